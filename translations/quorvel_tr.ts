<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>%1 adresindeki yazdırma sistemi %n saniye içinde yanıt vermedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>%1 adresindeki yazdırma sistemine ulaşılamıyor.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Makbuz %1 adresindeki yazdırma sistemine gönderildi, ancak sistem %n saniye içinde makbuzu aldığını onaylamadı. Makbuzu yeniden yazdırmadan önce yazıcının kuyruğuna bakın (lpstat -o).</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>%1 adresindeki yazdırma sistemi yanıt vermeden bağlantıyı kapattı.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>%1 adresindeki yazdırma sisteminin yanıtı: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>%1 adresindeki yazdırma sistemi okunamayan bir yanıt gönderdi.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>yazdırma sistemi bir neden bildirmiyor</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>%1 adresindeki yazdırma sistemi varsayılan yazıcısının adını bildirmedi: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>%1 adresindeki yazdırma sistemi “%2” yazıcısını tanımıyor: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>“%1” yazıcısı iş kabul etmiyor: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>“%1” yazıcısı durdurulmuş: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Makbuz</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Yazdırma sistemi “%1” yazıcısına gönderilen makbuzu bekletiyor: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>“%1” yazıcısı makbuzu yazdırmayı durdurdu: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>“%1” yazıcısına gönderilen makbuzun yazdırılması iptal edildi: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Yazdırma sistemi “%1” yazıcısına gönderilen makbuzu yazdırmaktan vazgeçti: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>“%1” yazıcısı durdu; makbuz yazıcının kuyruğunda bekliyor: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>%1 adresindeki yazdırma sisteminde varsayılan yazıcı seçilmemiş: %2 Bir yazıcı seçin (lpstat -d, seçili yazıcıyı gösterir).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Yazdırma sistemi “%1” yazıcısına gönderilen makbuzu reddetti: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>“%1” yazıcısı duraklatıldı; makbuz yazıcının kuyruğunda bekliyor: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1 başarısız oldu.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Yeniden deneyin, “%1” penceresini kaydetmeden kapatın (içine yazdıklarınız kaybolur) ya da “%1” penceresine geri dönün.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Kaydetmeden Kapat</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>“%1” Penceresine Dön</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>Son komutun yürütülmesi</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Yeterli bellek yok.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Bilinmeyen bir hata oluştu.</translation>
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
        <translation>%1 adresinin açılması</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Bu adresi açmak için bir web tarayıcısı başlatılamadı.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>%1 adresindeki yazdırma sistemi parolayı kabul etmedi. Makbuzu yazdırmak için parolayı yeniden yazın.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>%1 adresindeki yazdırma sistemi, makbuzu yazdırmak için parolanızı istiyor.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Kullanıcı adı:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Parola:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Çek</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Posta Havalesi</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kredi Kartı</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Nakit</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Makbuz yazıcıya gönderiliyor…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Makbuz gönderiliyor</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>Makbuzun yazdırılması</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Yazdırma modülü yüklenemiyor: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1, Quorvel’in yazdırma modülü değil.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Ödeyen Bilgileri</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Ödeyen Bilgileri</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad Soyad</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Soyad</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Ödeyenin adını girin</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Ödeyenin soyadını girin</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Soyad</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İlçe</translation>
    </message>
    <message>
        <source>State</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>P. Kodu</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Ödeyenin açık adresini girin (mahalle, cadde, sokak, no)</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Adres, ikinci satır</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>İlçe</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Ödeyenin ilçesini girin</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>İl</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Ödeyenin ilini girin</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Posta kodu</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Ödeyenin posta kodunu girin</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Ödeme Bilgileri</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Tahsil Edilen Tutar</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Tahsil edilen tutarı girin</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Kullanıcı Bilgileri</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>İletişim</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Sürüm %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Kullanıcı Bilgileri</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Bilgileriniz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad / Unvan</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İlçe</translation>
    </message>
    <message>
        <source>State</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PK</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Adınızı ya da firmanızın unvanını girin</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Ad ya da unvan</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Açık adresinizi girin (mahalle, cadde, sokak, no)</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>İlçenizi girin</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>İlçe</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>İlinizi girin</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>İl</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>5 haneli posta kodunuzu girin</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Posta kodu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>“%1” alanının %2 dosyasından okunması</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>“%1” alanının %2 dosyasına kaydedilmesi</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Makbuz Önizleme</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Tahsil Eden</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Tahsil eden, ad ya da unvan</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Tahsil eden, adres</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Tahsil eden, ilçe</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Tahsil eden, il</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Tahsil eden, posta kodu</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ödeyen</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Ödeyen, ad</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Ödeyen, soyad</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Ödeyen, adres</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Ödeyen, adres, ikinci satır</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Ödeyen, ilçe</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Ödeyen, il</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Ödeyen, posta kodu</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Ödeme Bilgileri</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Ödeme Şekli</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Tutar:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Tutar</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Yazdırılıyor…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Tahsilat Makbuzu</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Tahsil Eden:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Ödeme Şekli:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Tutar:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Ödeyen:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>%1 üzerindeki kilidin kalkması beklenemiyor: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Aynı anda çalışan başka bir Quorvel, ayarları %1 saniyeden uzun süre kilitli tuttu.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (%2 dosyasına bağlantı)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 incelenemiyor: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 normal bir dosya değil.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 dosyasının boyutu %2 bayt; bu, bir ayar dosyası için izin verilen en fazla %3 bayttan büyük. Dosya ne okundu ne de değiştirildi.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>%1 klasörünün bulunduğu disk dolu: dosya için %2 bayt gerekiyor, ancak yalnızca %3 bayt boş.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>%1 klasöründe bir dosyaya yazılamıyor: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Ayarlar %1 bayt tutacaktı; bu, bir ayar dosyası için izin verilen en fazla %2 bayttan büyük. Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>%1 klasöründe dosya oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>%1 dosyasının sahipliği geri verilemiyor: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 dosyasına yazılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 dosyası yenisiyle değiştirilemiyor: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>“%1” ayarının %2 dosyasından okunması</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>“%1” ayarının %2 dosyasına kaydedilmesi</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
</context>
</TS>
