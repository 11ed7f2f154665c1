<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Il sistema di stampa su %1 non ha risposto entro %n secondo.</numerusform>
            <numerusform>Il sistema di stampa su %1 non ha risposto entro %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>La ricevuta è stata inviata al sistema di stampa su %1, che non ne ha confermato la ricezione entro %n secondo. Controlla la coda della stampante (lpstat -o) prima di stamparla di nuovo.</numerusform>
            <numerusform>La ricevuta è stata inviata al sistema di stampa su %1, che non ne ha confermato la ricezione entro %n secondi. Controlla la coda della stampante (lpstat -o) prima di stamparla di nuovo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Il sistema di stampa su %1 ha chiuso la connessione prima di rispondere.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Il sistema di stampa su %1 ha risposto: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Il sistema di stampa su %1 ha inviato una risposta illeggibile.</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Impossibile raggiungere il sistema di stampa su %1.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>il sistema di stampa non indica il motivo</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Il sistema di stampa su %1 non ha indicato la stampante predefinita: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Il sistema di stampa su %1 non conosce la stampante “%2”: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>La stampante “%1” non accetta lavori di stampa: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>La stampante “%1” è ferma: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Ricevuta</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Il sistema di stampa trattiene la ricevuta inviata a “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>La stampante “%1” ha interrotto la stampa della ricevuta: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>La ricevuta inviata a “%1” è stata annullata: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Il sistema di stampa ha rinunciato a stampare la ricevuta inviata a “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>La stampante “%1” si è fermata e la ricevuta è in attesa nella sua coda: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Nessuna stampante predefinita è impostata nel sistema di stampa su %1: %2 Scegline una (lpstat -d mostra quella predefinita).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Il sistema di stampa ha rifiutato la ricevuta inviata a “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>La stampante “%1” è stata messa in pausa; la ricevuta è in attesa nella sua coda: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>Impossibile %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Puoi riprovare, chiudere la finestra “%1” senza salvare (quanto vi hai scritto andrà perso) o tornare a “%1”.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Chiudi senza salvare</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Torna a “%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>completare l&apos;ultima operazione</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Si è verificato un errore sconosciuto.</translation>
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
        <translation>aprire %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Impossibile avviare un browser web per aprire l&apos;indirizzo.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Il sistema di stampa su %1 non ha accettato la password. Inseriscila di nuovo per stampare la ricevuta.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Il sistema di stampa su %1 chiede la tua password per stampare la ricevuta.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Assegno bancario</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Vaglia postale</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carta di credito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Contanti</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Invio della ricevuta alla stampante…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Invio della ricevuta</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>stampare la ricevuta</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Impossibile caricare il modulo di stampa: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 non è il modulo di stampa di Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Dati del pagante</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Inserisci il nome del pagante</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Inserisci il cognome del pagante</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Prov.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Inserisci l&apos;indirizzo del pagante</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Via, seconda riga</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Dati del pagamento</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Importo incassato</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>Impostazioni &amp;utente</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Via</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Dati del pagante</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Inserisci la città del pagante</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Inserisci la sigla della provincia del pagante</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Inserisci il CAP del pagante</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Inserisci l&apos;importo incassato</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Informazioni su Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Impostazioni utente</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Dati dell&apos;utente</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Prov.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Inserisci il tuo nome o la ragione sociale</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Inserisci il tuo indirizzo (via e numero civico)</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Inserisci la tua città</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Inserisci la sigla della tua provincia</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Inserisci il tuo CAP di 5 cifre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>leggere “%1” da %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>salvare “%1” in %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>CAP</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Anteprima della ricevuta</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Pagato a</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Pagato a, nome</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Pagato a, indirizzo</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Pagato a, città</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Pagato a, provincia</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Pagato a, CAP</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ricevuto da</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Ricevuto da, nome</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Ricevuto da, cognome</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Ricevuto da, via</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Ricevuto da, via, seconda riga</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Ricevuto da, città</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Ricevuto da, provincia</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Ricevuto da, CAP</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Dati del pagamento</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Tipo di pagamento</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importo:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Stampa in corso…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Ricevuta</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Pagato a:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Tipo di pagamento:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Importo:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Ricevuto da:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Impossibile attendere che si liberi il blocco su %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Un&apos;altra istanza del programma ha tenuto bloccate le impostazioni per oltre %1 secondi.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (un collegamento a %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Impossibile esaminare %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file regolare.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 occupa %2 byte, più dei %3 byte consentiti per un file di impostazioni; non è stato né letto né modificato.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Il disco che contiene %1 è pieno: il file richiede %2 byte e ne restano liberi %3.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Impossibile scrivere un file in %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Le impostazioni occuperebbero %1 byte, più dei %2 byte consentiti per un file di impostazioni; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Impossibile creare file nella cartella %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Impossibile assegnare il proprietario a %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Impossibile sostituire %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>leggere l&apos;impostazione “%1” da %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>salvare l&apos;impostazione “%1” in %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
</context>
</TS>
