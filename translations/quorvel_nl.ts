<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Het afdruksysteem op %1 heeft niet binnen %n seconde geantwoord.</numerusform>
            <numerusform>Het afdruksysteem op %1 heeft niet binnen %n seconden geantwoord.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>De kwitantie is naar het afdruksysteem op %1 gestuurd, maar dat heeft de ontvangst niet binnen %n seconde bevestigd. Kijk in de wachtrij van de printer (lpstat -o) voordat u de kwitantie opnieuw afdrukt.</numerusform>
            <numerusform>De kwitantie is naar het afdruksysteem op %1 gestuurd, maar dat heeft de ontvangst niet binnen %n seconden bevestigd. Kijk in de wachtrij van de printer (lpstat -o) voordat u de kwitantie opnieuw afdrukt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Het afdruksysteem op %1 heeft de verbinding verbroken voordat het antwoordde.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Het afdruksysteem op %1 antwoordde: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Het afdruksysteem op %1 stuurde een antwoord dat niet gelezen kon worden.</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Het afdruksysteem op %1 is niet bereikbaar.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>het afdruksysteem geeft geen reden op</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Het afdruksysteem op %1 heeft zijn standaardprinter niet doorgegeven: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Het afdruksysteem op %1 kent de printer “%2” niet: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>De printer “%1” neemt geen afdruktaken aan: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>De printer “%1” is gestopt: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Kwitantie</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Het afdruksysteem heeft de kwitantie voor printer “%1” in de wacht gezet: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>De printer “%1” heeft het afdrukken van de kwitantie onderbroken: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Het afdrukken van de kwitantie voor printer “%1” is geannuleerd: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Het afdruksysteem heeft het afdrukken van de kwitantie voor printer “%1” afgebroken: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>De printer “%1” is gestopt en de kwitantie wacht in de wachtrij: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Het afdruksysteem op %1 heeft geen standaardprinter: %2 Stel er een in (lpstat -d toont de standaardprinter).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Het afdruksysteem heeft de kwitantie voor printer “%1” geweigerd: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>De printer “%1” is gepauzeerd; de kwitantie wacht in de wachtrij: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1 is mislukt.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Probeer het opnieuw, sluit “%1” zonder op te slaan (wat u daar hebt ingevoerd, gaat dan verloren) of ga terug naar “%1”.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Sluiten zonder opslaan</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Terug naar “%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>De laatste opdracht</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Er is niet genoeg geheugen.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Er is een onbekende fout opgetreden.</translation>
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
        <translation>Het openen van %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Er kon geen webbrowser voor het adres worden gestart.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Het afdruksysteem op %1 heeft het wachtwoord niet geaccepteerd. Voer het opnieuw in om de kwitantie af te drukken.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Het afdruksysteem op %1 vraagt uw wachtwoord voordat de kwitantie kan worden afgedrukt.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
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
        <translation>Postwissel</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Creditcard</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Contant</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>De kwitantie wordt naar de printer gestuurd…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Kwitantie versturen</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>Het afdrukken van de kwitantie</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>De afdrukmodule kan niet worden geladen: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 is niet de afdrukmodule van Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Gegevens betaler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Achternaam</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Voer de voornaam van de betaler in</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Voer de achternaam van de betaler in</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Wpl.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Prov.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Voer de straat en het huisnummer van de betaler in</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Straat, tweede regel</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Betaalgegevens</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Ontvangen bedrag</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Aanmaken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Gebruikersgegevens</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Achternaam</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Straat</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Woonplaats</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provincie</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Gegevens betaler</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Voer de woonplaats van de betaler in</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Voer de provincie van de betaler in</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Voer de postcode van de betaler in</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Voer het ontvangen bedrag in</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Over Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
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
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Gebruikersgegevens</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Uw gegevens</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Wpl.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Prov.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Voer uw naam of bedrijfsnaam in</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Voer uw straat en huisnummer in</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Voer uw woonplaats in</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Voer uw provincie in</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Voer uw postcode in</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>Het lezen van “%1” uit %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>Het opslaan van “%1” in %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Woonplaats</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provincie</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Postcode</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Voorbeeld kwitantie</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Betaald aan</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Betaald aan, naam</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Betaald aan, adres</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Betaald aan, woonplaats</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Betaald aan, provincie</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Betaald aan, postcode</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ontvangen van</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Ontvangen van, voornaam</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Ontvangen van, achternaam</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Ontvangen van, straat</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Ontvangen van, straat, tweede regel</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Ontvangen van, woonplaats</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Ontvangen van, provincie</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Ontvangen van, postcode</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Betaling</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Betaalwijze</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Bedrag:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Wordt afgedrukt…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Kwitantie</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Betaald aan:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Betaalwijze:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Bedrag:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Ontvangen van:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Er kan niet worden gewacht tot de vergrendeling van %1 vrijkomt: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Een ander exemplaar van het programma hield de instellingen langer dan %1 seconden vergrendeld.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (een koppeling naar %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 kan niet worden gecontroleerd: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 is %2 bytes groot, meer dan de %3 bytes die een instellingenbestand mag hebben; het bestand is niet gelezen en niet gewijzigd.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>De schijf met %1 is vol: het bestand heeft %2 bytes nodig en er zijn er %3 vrij.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Er kan geen bestand in %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>De instellingen zouden %1 bytes innemen, meer dan de %2 bytes die een instellingenbestand mag hebben; er is niets geschreven.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>In de map %1 kan geen bestand worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>De eigenaar van %1 kan niet worden ingesteld: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 kan niet worden vervangen: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>Het lezen van de instelling “%1” uit %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>Het opslaan van de instelling “%1” in %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
</context>
</TS>
