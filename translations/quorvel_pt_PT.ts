<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>O sistema de impressão em %1 não respondeu no prazo de %n segundo.</numerusform>
            <numerusform>O sistema de impressão em %1 não respondeu no prazo de %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Não foi possível ligar ao sistema de impressão em %1.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>O recibo foi enviado para o sistema de impressão em %1, que não confirmou a receção no prazo de %n segundo. Verifique a fila de espera da impressora (lpstat -o) antes de o imprimir novamente.</numerusform>
            <numerusform>O recibo foi enviado para o sistema de impressão em %1, que não confirmou a receção no prazo de %n segundos. Verifique a fila de espera da impressora (lpstat -o) antes de o imprimir novamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>O sistema de impressão em %1 fechou a ligação antes de responder.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>O sistema de impressão em %1 respondeu: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>O sistema de impressão em %1 enviou uma resposta que não foi possível ler.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>o sistema de impressão não indica o motivo</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>O sistema de impressão em %1 não indicou qual é a impressora predefinida: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>O sistema de impressão em %1 não conhece a impressora «%2»: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>A impressora «%1» não está a aceitar trabalhos: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>A impressora «%1» está parada: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>O sistema de impressão está a reter o recibo enviado para «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>A impressora «%1» parou de imprimir o recibo: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>O recibo enviado para «%1» foi cancelado: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>O sistema de impressão desistiu de imprimir o recibo enviado para «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>A impressora «%1» parou e o recibo está à espera na fila: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Não há nenhuma impressora predefinida no sistema de impressão em %1: %2 Escolha uma (lpstat -d mostra qual é a predefinida).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>O sistema de impressão recusou o recibo enviado para «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>A impressora «%1» foi colocada em pausa; o recibo está à espera na fila: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>Não foi possível %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Pode tentar novamente, fechar a janela «%1» sem guardar (e perder o que lá escreveu) ou voltar a «%1».</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fechar sem guardar</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Voltar a «%1»</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>concluir a última ação</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ocorreu um erro desconhecido.</translation>
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
        <translation>Não foi possível abrir um navegador web para aceder ao endereço.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>O sistema de impressão em %1 não aceitou a palavra-passe. Introduza-a novamente para imprimir o recibo.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>O sistema de impressão em %1 pede a sua palavra-passe para imprimir o recibo.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;utilizador:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Palavra-passe:</translation>
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
        <translation>Vale postal</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Cartão de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Numerário</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>A enviar o recibo para a impressora…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Envio do recibo</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>imprimir o recibo</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Não foi possível carregar o módulo de impressão: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 não é o módulo de impressão do Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Dados do pagador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apelido</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Introduza o nome próprio do pagador</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Nome próprio</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Introduza o apelido do pagador</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Apelido</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Morada</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rua</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Loc.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Distrito</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Introduza a morada do pagador (rua e número)</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Rua</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Rua, segunda linha</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Distrito</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Dados do pagamento</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Valor recebido</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Definições</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Dados do utilizador</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca do Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Dados do pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Introduza a localidade do pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Introduza o distrito do pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Introduza o código postal do pagador</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Introduza o valor recebido</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Acerca do Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Dados do utilizador</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Os seus dados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Morada</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Loc.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Distrito</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Introduza o seu nome ou o nome da sua empresa</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Introduza a sua morada (rua e número)</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Morada</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Introduza a sua localidade</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Introduza o seu distrito</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Distrito</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Introduza o seu código postal (0000-000)</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>ler «%1» de %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>guardar «%1» em %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Pré-visualização do recibo</translation>
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
        <translation>Pago a</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Pago a, nome</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Pago a, morada</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Pago a, localidade</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Pago a, distrito</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Pago a, código postal</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Recebido de</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Recebido de, nome próprio</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Recebido de, apelido</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Recebido de, rua</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Recebido de, rua, segunda linha</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Recebido de, localidade</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Recebido de, distrito</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Recebido de, código postal</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Dados do pagamento</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Forma de pagamento</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>A imprimir…</translation>
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
        <translation>Pago a:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Forma de pagamento:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Recebido de:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Não foi possível aguardar que o bloqueio de %1 fosse libertado: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Outra instância do programa manteve as definições bloqueadas durante mais de %1 segundos.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (uma ligação para %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Não foi possível examinar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um ficheiro normal.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 tem %2 bytes, mais do que os %3 bytes permitidos num ficheiro de definições; não foi lido nem alterado.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>O disco onde está %1 está cheio: o ficheiro precisa de %2 bytes e há %3 livres.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Não foi possível escrever um ficheiro em %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>As definições ocupariam %1 bytes, mais do que os %2 bytes permitidos num ficheiro de definições; não foi escrito nada.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Não foi possível criar ficheiros na pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Não foi possível atribuir a %1 o proprietário original: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Não foi possível escrever %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Não foi possível substituir %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>ler a definição «%1» de %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>guardar a definição «%1» em %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
</context>
</TS>
