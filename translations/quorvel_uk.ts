<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Система друку за адресою %1 не відповіла за %n секунду.</numerusform>
            <numerusform>Система друку за адресою %1 не відповіла за %n секунди.</numerusform>
            <numerusform>Система друку за адресою %1 не відповіла за %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Система друку за адресою %1 недоступна.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Квитанцію надіслано до системи друку за адресою %1, але та не підтвердила її отримання за %n секунду. Перш ніж друкувати квитанцію знову, перевірте чергу принтера (lpstat -o).</numerusform>
            <numerusform>Квитанцію надіслано до системи друку за адресою %1, але та не підтвердила її отримання за %n секунди. Перш ніж друкувати квитанцію знову, перевірте чергу принтера (lpstat -o).</numerusform>
            <numerusform>Квитанцію надіслано до системи друку за адресою %1, але та не підтвердила її отримання за %n секунд. Перш ніж друкувати квитанцію знову, перевірте чергу принтера (lpstat -o).</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Система друку за адресою %1 закрила з’єднання, не давши відповіді.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Система друку за адресою %1 відповіла: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Система друку за адресою %1 надіслала відповідь, яку не вдалося прочитати.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>система друку не повідомляє причини</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Система друку за адресою %1 не повідомила, який принтер вибрано типовим: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Системі друку за адресою %1 невідомий принтер «%2»: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>Принтер «%1» не приймає завдань: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>Принтер «%1» зупинено: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Квитанція</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Система друку затримує квитанцію для принтера «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>Принтер «%1» перервав друк квитанції: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Друк квитанції на принтері «%1» скасовано: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Система друку припинила друк квитанції на принтері «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>Принтер «%1» зупинено, квитанція чекає в його черзі: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>У системі друку за адресою %1 не вибрано типового принтера: %2 Виберіть його (команда lpstat -d показує, який принтер вибрано).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Система друку відмовилася прийняти квитанцію для принтера «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>Принтер «%1» призупинено, квитанція чекає в його черзі: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>Не вдалося %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Повторіть спробу, закрийте вікно «%1» без збереження (усе, що в ньому введено, буде втрачено) або поверніться до вікна «%1».</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Закрити без збереження</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Повернутися до вікна «%1»</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>виконати останню команду</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Недостатньо пам’яті.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Сталася невідома помилка.</translation>
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
        <translation>відкрити %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Не вдалося запустити браузер, щоб відкрити цю адресу.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Система друку за адресою %1 не прийняла пароль. Введіть його ще раз, щоб надрукувати квитанцію.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Щоб надрукувати квитанцію, система друку за адресою %1 запитує ваш пароль.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Ім’я користувача:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Банківський чек</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Поштовий переказ</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Банківська картка</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Готівка</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Квитанція надсилається на принтер…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Надсилання квитанції</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>надрукувати квитанцію</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Не вдається завантажити модуль друку: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 не є модулем друку Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Відомості про платника</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Відомості про платника</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я та прізвище</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Прізвище</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Введіть ім’я платника</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Введіть прізвище платника</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Прізвище</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Вулиця</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Місто</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Індекс</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Введіть вулицю та номер будинку платника</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Вулиця</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Вулиця, другий рядок</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Місто</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Введіть місто платника</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Область</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Введіть область платника</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Поштовий індекс</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Введіть поштовий індекс платника</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Відомості про оплату</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Отримана сума</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Введіть отриману суму</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Виписати</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Ваші дані</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
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
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакти</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Вебсайт</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Ваші дані</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Відомості про вас</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я/назва</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Вулиця, буд.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>М.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Обл.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Інд.</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Введіть своє ім’я або назву організації</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Ім’я або назва</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Введіть свою вулицю та номер будинку</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Вулиця та номер будинку</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Введіть своє місто</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Місто</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Введіть свою область</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Область</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Введіть свій п’ятизначний поштовий індекс</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Поштовий індекс</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>прочитати поле «%1» з файлу %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>зберегти поле «%1» у файл %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Перегляд квитанції</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Одержувач</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Одержувач, ім’я або назва</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Одержувач, вулиця та номер будинку</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Одержувач, місто</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Одержувач, область</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Одержувач, поштовий індекс</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Прийнято від</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Прийнято від, ім’я</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Прийнято від, прізвище</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Прийнято від, вулиця</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Прийнято від, вулиця, другий рядок</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Прийнято від, місто</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Прийнято від, область</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Прийнято від, поштовий індекс</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Відомості про оплату</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Спосіб оплати</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Сума:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Триває друк…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Квитанція</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Одержувач:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Спосіб оплати:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Сума:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Прийнято від:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Не вдається дочекатися зняття блокування з %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Інший запущений екземпляр Quorvel тримав налаштування заблокованими понад %1 секунд.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (посилання на %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Не вдається перевірити %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не є звичайним файлом.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>Розмір файлу %1 — %2 байтів, а файл налаштувань може займати щонайбільше %3 байтів; файл не прочитано й не змінено.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не вдається прочитати %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Диск, на якому розташована папка %1, заповнений: файлові потрібно %2 байтів, а вільно лише %3 байтів.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Не вдається записати файл у папці %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Налаштування зайняли б %1 байтів, а файл налаштувань може займати щонайбільше %2 байтів; нічого не записано.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Не вдається створити файл у папці %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Не вдається повернути файлові %1 його власника: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Не вдається записати %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Не вдається замінити %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>прочитати параметр «%1» з файлу %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>зберегти параметр «%1» у файл %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не вдається створити папку %1.</translation>
    </message>
</context>
</TS>
