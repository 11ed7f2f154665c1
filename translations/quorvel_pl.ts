<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>System drukowania pod adresem %1 nie odpowiedział w ciągu %n sekundy.</numerusform>
            <numerusform>System drukowania pod adresem %1 nie odpowiedział w ciągu %n sekund.</numerusform>
            <numerusform>System drukowania pod adresem %1 nie odpowiedział w ciągu %n sekund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Pokwitowanie zostało wysłane do systemu drukowania pod adresem %1, ale nie potwierdził on jego przyjęcia w ciągu %n sekundy. Zanim wydrukujesz je ponownie, sprawdź kolejkę drukarki (lpstat -o).</numerusform>
            <numerusform>Pokwitowanie zostało wysłane do systemu drukowania pod adresem %1, ale nie potwierdził on jego przyjęcia w ciągu %n sekund. Zanim wydrukujesz je ponownie, sprawdź kolejkę drukarki (lpstat -o).</numerusform>
            <numerusform>Pokwitowanie zostało wysłane do systemu drukowania pod adresem %1, ale nie potwierdził on jego przyjęcia w ciągu %n sekund. Zanim wydrukujesz je ponownie, sprawdź kolejkę drukarki (lpstat -o).</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>System drukowania pod adresem %1 zamknął połączenie, zanim odpowiedział.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>System drukowania pod adresem %1 odpowiedział: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>System drukowania pod adresem %1 wysłał odpowiedź, której nie można odczytać.</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Nie można połączyć się z systemem drukowania pod adresem %1.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>system drukowania nie podaje przyczyny</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>System drukowania pod adresem %1 nie podał nazwy drukarki domyślnej: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>System drukowania pod adresem %1 nie zna drukarki „%2”: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>Drukarka „%1” nie przyjmuje zadań: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>Drukarka „%1” jest zatrzymana: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Pokwitowanie</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>System drukowania wstrzymał pokwitowanie dla drukarki „%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>Drukarka „%1” przerwała drukowanie pokwitowania: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Pokwitowanie dla drukarki „%1” zostało anulowane: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>System drukowania zrezygnował z wydrukowania pokwitowania na drukarce „%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>Drukarka „%1” zatrzymała się, a pokwitowanie czeka w jej kolejce: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>W systemie drukowania pod adresem %1 nie ustawiono drukarki domyślnej: %2 Ustaw ją (pokazuje ją polecenie lpstat -d).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>System drukowania odrzucił pokwitowanie dla drukarki „%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>Drukarka „%1” została wstrzymana; pokwitowanie czeka w jej kolejce: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1 nie powiodło się.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Spróbuj ponownie, zamknij okno „%1” bez zapisywania (wpisane w nim dane zostaną wtedy utracone) albo wróć do okna „%1”.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Zamknij bez zapisywania</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Wróć do okna „%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>Wykonanie ostatniego polecenia</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Za mało pamięci.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Wystąpił nieznany błąd.</translation>
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
        <translation>Otwarcie adresu %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Nie udało się uruchomić przeglądarki internetowej, aby otworzyć ten adres.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>System drukowania pod adresem %1 nie przyjął hasła. Wpisz je ponownie, aby wydrukować pokwitowanie.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Aby wydrukować pokwitowanie, system drukowania pod adresem %1 wymaga podania hasła.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Czek</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Przekaz</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Karta kredytowa</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Gotówka</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Wysyłanie pokwitowania do drukarki…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Wysyłanie pokwitowania</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>Wydrukowanie pokwitowania</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Nie można wczytać modułu drukowania: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 nie jest modułem drukowania programu Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Dane wpłacającego</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Wpisz imię wpłacającego</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Wpisz nazwisko wpłacającego</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Msc.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Woj.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Wpisz ulicę i numer domu wpłacającego</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Ulica, drugi wiersz</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Informacje o płatności</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Otrzymana kwota</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Wystaw</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Dane użytkownika</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Miejscowość</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Województwo</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Kod pocztowy</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Dane wpłacającego</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Wpisz miejscowość wpłacającego</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Wpisz województwo wpłacającego</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Wpisz kod pocztowy wpłacającego</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Wpisz otrzymaną kwotę</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Witryna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Dane użytkownika</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Twoje dane</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Ulica i numer</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Msc.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Woj.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Wpisz swoje imię i nazwisko lub nazwę firmy</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Wpisz swoją ulicę i numer domu</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Wpisz swoją miejscowość</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Wpisz swoje województwo</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Wpisz swój pięciocyfrowy kod pocztowy (np. 00-950)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>Odczytanie pola „%1” z pliku %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>Zapisanie pola „%1” w pliku %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Ulica i numer</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Miejscowość</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Województwo</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Kod pocztowy</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Podgląd pokwitowania</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Zapłacono na rzecz</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Zapłacono na rzecz, nazwa</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Zapłacono na rzecz, ulica i numer</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Zapłacono na rzecz, miejscowość</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Zapłacono na rzecz, województwo</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Zapłacono na rzecz, kod pocztowy</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Wpłacający</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Wpłacający, imię</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Wpłacający, nazwisko</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Wpłacający, ulica</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Wpłacający, ulica, drugi wiersz</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Wpłacający, miejscowość</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Wpłacający, województwo</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Wpłacający, kod pocztowy</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Płatność</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Forma płatności</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Kwota:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Kwota</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Drukowanie…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Pokwitowanie</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Zapłacono na rzecz:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Forma płatności:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Kwota:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Wpłacający:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Nie można czekać na zwolnienie blokady %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Inna uruchomiona kopia programu blokowała ustawienia dłużej niż %1 s.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (dowiązanie do %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Nie można sprawdzić pliku %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>Plik %1 ma rozmiar %2 B, a plik ustawień może mieć najwyżej %3 B; nie został ani odczytany, ani zmieniony.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Dysk, na którym znajduje się %1, jest pełny: plik wymaga %2 B, a wolne jest %3 B.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Nie można zapisać pliku w folderze %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Ustawienia zajęłyby %1 B, a plik ustawień może mieć najwyżej %2 B; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Nie można utworzyć pliku w folderze %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Nie można ustawić właściciela pliku %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Nie można zastąpić pliku %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>Odczytanie ustawienia „%1” z pliku %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>Zapisanie ustawienia „%1” w pliku %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
</context>
</TS>
