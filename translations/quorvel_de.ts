<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Das Drucksystem unter %1 hat nicht innerhalb von %n Sekunde geantwortet.</numerusform>
            <numerusform>Das Drucksystem unter %1 hat nicht innerhalb von %n Sekunden geantwortet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Die Quittung wurde an das Drucksystem unter %1 gesendet, das sie nicht innerhalb von %n Sekunde bestätigt hat. Sehen Sie in der Warteschlange des Druckers nach (lpstat -o), bevor Sie die Quittung noch einmal drucken.</numerusform>
            <numerusform>Die Quittung wurde an das Drucksystem unter %1 gesendet, das sie nicht innerhalb von %n Sekunden bestätigt hat. Sehen Sie in der Warteschlange des Druckers nach (lpstat -o), bevor Sie die Quittung noch einmal drucken.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Das Drucksystem unter %1 hat die Verbindung getrennt, bevor es geantwortet hat.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Das Drucksystem unter %1 hat geantwortet: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Das Drucksystem unter %1 hat eine Antwort gesendet, die nicht gelesen werden konnte.</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Das Drucksystem unter %1 ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>das Drucksystem nennt keinen Grund</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Das Drucksystem unter %1 hat seinen Standarddrucker nicht genannt: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Das Drucksystem unter %1 kennt den Drucker „%2“ nicht: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>Der Drucker „%1“ nimmt keine Druckaufträge an: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>Der Drucker „%1“ ist angehalten: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Das Drucksystem hält die Quittung für den Drucker „%1“ zurück: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>Der Drucker „%1“ hat das Drucken der Quittung angehalten: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Der Druck der Quittung für den Drucker „%1“ wurde abgebrochen: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Das Drucksystem hat den Druck der Quittung für den Drucker „%1“ abgebrochen: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>Der Drucker „%1“ ist angehalten, die Quittung wartet in seiner Warteschlange: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Beim Drucksystem unter %1 ist kein Standarddrucker eingerichtet: %2 Legen Sie einen Standarddrucker fest (lpstat -d zeigt ihn an).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Das Drucksystem hat die Quittung für den Drucker „%1“ abgelehnt: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>Der Drucker „%1“ wurde pausiert; die Quittung wartet in seiner Warteschlange: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Versuchen Sie es erneut, schließen Sie „%1“ ohne Speichern (was Sie dort eingegeben haben, geht dann verloren) oder kehren Sie zu „%1“ zurück.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Zurück zu „%1“</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>Der letzte Befehl</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Es ist nicht genügend Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
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
        <translation>Das Öffnen von %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Für die Adresse konnte kein Webbrowser gestartet werden.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Das Drucksystem unter %1 hat das Passwort nicht angenommen. Geben Sie es noch einmal ein, um die Quittung zu drucken.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Das Drucksystem unter %1 verlangt Ihr Passwort, um die Quittung zu drucken.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Scheck</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Postanweisung</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bar</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Die Quittung wird an den Drucker gesendet…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Quittung wird gesendet</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>Das Drucken der Quittung</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Das Druckmodul kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 ist nicht das Druckmodul von Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Angaben zum Zahler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Vornamen des Zahlers eingeben</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Nachnamen des Zahlers eingeben</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Anschrift</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>BL</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Straße und Hausnummer des Zahlers eingeben</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Adresszusatz</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Zahlungsangaben</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Erhaltener Betrag</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Benutzerdaten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Angaben zum Zahler</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Ort des Zahlers eingeben</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Bundesland des Zahlers eingeben</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Postleitzahl des Zahlers eingeben</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Erhaltenen Betrag eingeben</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Benutzerdaten</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Straße und Nr.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>BL</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Ihren Namen oder Firmennamen eingeben</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Ihre Straße und Hausnummer eingeben</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Ihren Ort eingeben</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Ihr Bundesland eingeben</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Ihre fünfstellige Postleitzahl eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>Das Lesen von „%1“ aus %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>Das Speichern von „%1“ in %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Straße und Hausnummer</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Postleitzahl</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Quittungsvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Zahlungsempfänger, Name</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Zahlungsempfänger, Straße und Hausnummer</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Zahlungsempfänger, Ort</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Zahlungsempfänger, Bundesland</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Zahlungsempfänger, Postleitzahl</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Erhalten von</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Erhalten von, Vorname</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Erhalten von, Nachname</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Erhalten von, Straße</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Erhalten von, Adresszusatz</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Erhalten von, Ort</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Erhalten von, Bundesland</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Erhalten von, Postleitzahl</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Zahlungsangaben</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Wird gedruckt…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Zahlungsempfänger:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Zahlungsart:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Erhalten von:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Auf die Sperre von %1 kann nicht gewartet werden: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Eine andere laufende Instanz des Programms hat die Einstellungen länger als %1 Sekunden gesperrt.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (ein Link auf %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 ist %2 Byte groß, mehr als die %3 Byte, die eine Einstellungsdatei haben darf; die Datei wurde weder gelesen noch geändert.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Der Datenträger mit %1 ist voll: Die Datei braucht %2 Byte, frei sind %3 Byte.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>In %1 kann keine Datei geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Die Einstellungen würden %1 Byte belegen, mehr als die %2 Byte, die eine Einstellungsdatei haben darf; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Im Ordner %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Der Besitzer von %1 kann nicht gesetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>Das Lesen der Einstellung „%1“ aus %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>Das Speichern der Einstellung „%1“ in %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
</TS>
