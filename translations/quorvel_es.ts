<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>El sistema de impresión en %1 no respondió en %n segundo.</numerusform>
            <numerusform>El sistema de impresión en %1 no respondió en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>El recibo se envió al sistema de impresión en %1, que no confirmó su recepción en %n segundo. Revise la cola de la impresora (lpstat -o) antes de volver a imprimirlo.</numerusform>
            <numerusform>El recibo se envió al sistema de impresión en %1, que no confirmó su recepción en %n segundos. Revise la cola de la impresora (lpstat -o) antes de volver a imprimirlo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>El sistema de impresión en %1 cerró la conexión antes de responder.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>El sistema de impresión en %1 respondió: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>El sistema de impresión en %1 envió una respuesta que no se pudo leer.</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>No se puede conectar con el sistema de impresión en %1.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>el sistema de impresión no indica el motivo</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>El sistema de impresión en %1 no indicó cuál es su impresora predeterminada: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>El sistema de impresión en %1 no conoce la impresora “%2”: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>La impresora “%1” no acepta trabajos: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>La impresora “%1” está detenida: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>El sistema de impresión retiene el recibo destinado a “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>La impresora “%1” dejó de imprimir el recibo: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Se canceló el recibo destinado a “%1”: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>El sistema de impresión abandonó la impresión del recibo destinado a “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>La impresora “%1” se detuvo y el recibo espera en su cola: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>No hay ninguna impresora predeterminada en el sistema de impresión en %1: %2 Elija una (lpstat -d muestra cuál es la predeterminada).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>El sistema de impresión rechazó el recibo destinado a “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>La impresora “%1” se puso en pausa; el recibo espera en su cola: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>No se pudo %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Puede volver a intentarlo, cerrar la ventana “%1” sin guardar (se perderá lo que haya escrito en ella) o volver a “%1”.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Volver a “%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>completar la última acción</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>No hay suficiente memoria.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Se produjo un error desconocido.</translation>
    </message>
</context>
<context>
    <name>FirstLineLabel</name>
    <message>
        <source>%1: %2</source>
        <comment>heard: a value&apos;s caption, then the value</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>HyperLink</name>
    <message>
        <source>Opening %1</source>
        <translation>abrir %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>No se pudo iniciar ningún navegador web para abrir la dirección.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>El sistema de impresión en %1 no aceptó la contraseña. Escríbala de nuevo para imprimir el recibo.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>El sistema de impresión en %1 le pide su contraseña para imprimir el recibo.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Giro postal</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Enviando el recibo a la impresora…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Envío del recibo</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>imprimir el recibo</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>No se puede cargar el módulo de impresión: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 no es el módulo de impresión de Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Datos del pagador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Escriba el nombre del pagador</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Escriba los apellidos del pagador</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Loc.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Prov.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>C.P.</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Escriba la dirección del pagador</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Calle, segunda línea</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Datos del pago</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Importe cobrado</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>Configuración de &amp;usuario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Datos del pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Escriba la localidad del pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Escriba la provincia del pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Escriba el código postal del pagador</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Escriba el importe cobrado</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Configuración de usuario</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Datos del usuario</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Loc.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Prov.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>C.P.</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Escriba su nombre o el de su empresa</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Escriba su dirección (calle y número)</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Escriba su localidad</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Escriba su provincia</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Escriba su código postal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>leer “%1” de %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>guardar “%1” en %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Código postal</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Vista previa del recibo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Pagado a</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Pagado a, nombre</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Pagado a, dirección</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Pagado a, localidad</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Pagado a, provincia</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Pagado a, código postal</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Recibido de</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Recibido de, nombre</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Recibido de, apellidos</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Recibido de, calle</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Recibido de, calle, segunda línea</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Recibido de, localidad</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Recibido de, provincia</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Recibido de, código postal</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Datos del pago</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Imprimiendo…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Pagado a:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Forma de pago:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Recibido de:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>No se puede esperar a que se libere el bloqueo de %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Otra instancia del programa mantuvo bloqueada la configuración durante más de %1 segundos.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (un enlace a %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>No se puede examinar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 ocupa %2 bytes, más de los %3 bytes que puede tener un archivo de configuración; no se leyó ni se modificó.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>El disco que contiene %1 está lleno: el archivo necesita %2 bytes y hay %3 libres.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>No se puede escribir un archivo en %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>La configuración ocuparía %1 bytes, más de los %2 bytes que puede tener un archivo de configuración; no se escribió nada.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>No se puede crear ningún archivo en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>No se puede asignar el propietario de %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>No se puede reemplazar %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>leer el ajuste “%1” de %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>guardar el ajuste “%1” en %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
</TS>
