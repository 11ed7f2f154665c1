<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Sistem pencetakan di %1 tidak menjawab dalam %n detik.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Sistem pencetakan di %1 tidak dapat dihubungi.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Kuitansi sudah dikirim ke sistem pencetakan di %1, tetapi sistem itu tidak mengonfirmasi penerimaannya dalam %n detik. Periksa antrean printer (lpstat -o) sebelum mencetaknya lagi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Sistem pencetakan di %1 menutup sambungan sebelum menjawab.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Sistem pencetakan di %1 menjawab: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Sistem pencetakan di %1 mengirim jawaban yang tidak dapat dibaca.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>sistem pencetakan tidak menyebutkan alasannya</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Sistem pencetakan di %1 tidak menyebutkan nama printer bawaannya: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Sistem pencetakan di %1 tidak mengenal printer “%2”: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>Printer “%1” tidak menerima pekerjaan cetak: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>Printer “%1” sedang berhenti: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Kuitansi</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Sistem pencetakan menahan kuitansi untuk printer “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>Printer “%1” berhenti mencetak kuitansi: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Pencetakan kuitansi di printer “%1” dibatalkan: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Sistem pencetakan menghentikan pencetakan kuitansi di printer “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>Printer “%1” berhenti, dan kuitansi menunggu di antreannya: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Sistem pencetakan di %1 belum memiliki printer bawaan: %2 Pilih salah satu printer (lpstat -d menampilkan printer bawaan).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Sistem pencetakan menolak kuitansi untuk printer “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>Printer “%1” dijeda; kuitansi menunggu di antreannya: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>Gagal %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Anda dapat mencoba lagi, menutup “%1” tanpa menyimpan (isian yang sudah Anda ketik di sana akan hilang), atau kembali ke “%1”.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Coba lagi</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Tutup tanpa menyimpan</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Kembali ke “%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>menjalankan perintah terakhir</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Memori tidak cukup.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Terjadi kesalahan yang tidak diketahui.</translation>
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
        <translation>membuka %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Tidak ada peramban web yang dapat dijalankan untuk membuka alamat ini.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Sistem pencetakan di %1 tidak menerima kata sandi tersebut. Ketik lagi kata sandi Anda untuk mencetak kuitansi.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Sistem pencetakan di %1 meminta kata sandi Anda untuk mencetak kuitansi.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nama &amp;pengguna:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Kata sandi:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Cek</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Wesel pos</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kartu kredit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Tunai</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Mengirim kuitansi ke printer…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Mengirim kuitansi</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>mencetak kuitansi</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Modul pencetakan tidak dapat dimuat: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 bukan modul pencetakan Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Data pembayar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nama depan</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nama belakang</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Masukkan nama depan pembayar</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Nama depan</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Masukkan nama belakang pembayar</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Nama belakang</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Jalan</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Kota</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provinsi</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Kd. pos</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Masukkan alamat pembayar (jalan dan nomor)</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Jalan</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Jalan, baris kedua</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Kota</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provinsi</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Kode pos</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Data pembayaran</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Jumlah diterima</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Buat</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Pengaturan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ban&amp;tuan</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>Data &amp;pengguna</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Data pembayar</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Masukkan kota pembayar</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Masukkan provinsi pembayar</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Masukkan kode pos pembayar</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Masukkan jumlah yang diterima</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Tentang Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Situs web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Versi %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Data pengguna</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Data Anda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Kota</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provinsi</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Masukkan nama Anda atau nama perusahaan Anda</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Masukkan alamat Anda (jalan dan nomor)</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Masukkan kota Anda</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Kota</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Masukkan provinsi Anda</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Provinsi</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Masukkan kode pos Anda (5 angka)</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Kode pos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>membaca “%1” dari %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>menyimpan “%1” ke %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Pratinjau kuitansi</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Dibayarkan kepada</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Dibayarkan kepada, nama</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Dibayarkan kepada, alamat</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Dibayarkan kepada, kota</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Dibayarkan kepada, provinsi</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Dibayarkan kepada, kode pos</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Diterima dari</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Diterima dari, nama depan</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Diterima dari, nama belakang</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Diterima dari, jalan</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Diterima dari, jalan, baris kedua</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Diterima dari, kota</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Diterima dari, provinsi</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Diterima dari, kode pos</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Data pembayaran</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Cara pembayaran</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Jumlah:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Jumlah</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Mencetak…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Kuitansi</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Dibayarkan kepada:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Cara pembayaran:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Uang sejumlah:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Diterima dari:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Tidak dapat menunggu kunci pada %1 dilepas: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Salinan lain program ini yang sedang berjalan mengunci pengaturan lebih dari %1 detik.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (tautan ke %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 tidak dapat diperiksa: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 bukan berkas biasa.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>Ukuran %1 adalah %2 byte, melebihi batas %3 byte untuk berkas pengaturan; berkas itu tidak dibaca dan tidak diubah.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Disk tempat %1 berada sudah penuh: berkas itu memerlukan %2 byte, sedangkan yang tersedia hanya %3 byte.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Tidak dapat menulis berkas di %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Pengaturan akan memerlukan %1 byte, melebihi batas %2 byte untuk berkas pengaturan; tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Tidak dapat membuat berkas di folder %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>%1 tidak dapat diberi pemilik aslinya: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 tidak dapat ditulis: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 tidak dapat diganti: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>membaca pengaturan “%1” dari %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>menyimpan pengaturan “%1” ke %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Folder %1 tidak dapat dibuat.</translation>
    </message>
</context>
</TS>
