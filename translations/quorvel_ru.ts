<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Система печати по адресу %1 не ответила за %n секунду.</numerusform>
            <numerusform>Система печати по адресу %1 не ответила за %n секунды.</numerusform>
            <numerusform>Система печати по адресу %1 не ответила за %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Система печати по адресу %1 недоступна.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Квитанция отправлена в систему печати по адресу %1, но та не подтвердила её получение за %n секунду. Прежде чем печатать квитанцию снова, проверьте очередь принтера (lpstat -o).</numerusform>
            <numerusform>Квитанция отправлена в систему печати по адресу %1, но та не подтвердила её получение за %n секунды. Прежде чем печатать квитанцию снова, проверьте очередь принтера (lpstat -o).</numerusform>
            <numerusform>Квитанция отправлена в систему печати по адресу %1, но та не подтвердила её получение за %n секунд. Прежде чем печатать квитанцию снова, проверьте очередь принтера (lpstat -o).</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Система печати по адресу %1 закрыла соединение, не дав ответа.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Система печати по адресу %1 ответила: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Система печати по адресу %1 прислала ответ, который не удалось прочитать.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>система печати не сообщает причину</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Система печати по адресу %1 не сообщила, какой принтер выбран по умолчанию: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Системе печати по адресу %1 неизвестен принтер «%2»: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>Принтер «%1» не принимает задания: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>Принтер «%1» остановлен: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Квитанция</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Система печати задерживает квитанцию для принтера «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>Принтер «%1» прервал печать квитанции: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Печать квитанции на принтере «%1» отменена: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Система печати прекратила печать квитанции на принтере «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>Принтер «%1» остановлен, квитанция ждёт в его очереди: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>В системе печати по адресу %1 не выбран принтер по умолчанию: %2 Выберите его (команда lpstat -d показывает, какой принтер выбран).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Система печати отказалась принять квитанцию для принтера «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>Принтер «%1» приостановлен, квитанция ждёт в его очереди: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>Не удалось %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Повторите попытку, закройте окно «%1» без сохранения (всё, что в нём введено, будет потеряно) или вернитесь в окно «%1».</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Закрыть без сохранения</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Вернуться в окно «%1»</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>выполнить последнюю команду</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Произошла неизвестная ошибка.</translation>
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
        <translation>открыть %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Не удалось запустить веб-браузер, чтобы открыть этот адрес.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Система печати по адресу %1 не приняла пароль. Введите его ещё раз, чтобы напечатать квитанцию.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Чтобы напечатать квитанцию, система печати по адресу %1 запрашивает ваш пароль.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Имя пользователя:</translation>
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
        <translation>Банковский чек</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Почтовый перевод</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Банковская карта</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Наличные</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Квитанция отправляется на принтер…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Отправка квитанции</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>напечатать квитанцию</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Не удаётся загрузить модуль печати: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 не является модулем печати Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Сведения о плательщике</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Сведения о плательщике</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя и фамилия</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Введите имя плательщика</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Введите фамилию плательщика</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Введите улицу и номер дома плательщика</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Улица</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Улица, вторая строка</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Город</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Введите город плательщика</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Введите регион плательщика</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Почтовый индекс</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Введите почтовый индекс плательщика</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Сведения об оплате</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Полученная сумма</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Введите полученную сумму</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Выписать</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Настройка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Ваши данные</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
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
        <translation>О программе</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Сведения о вас</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Улица, дом</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Гор.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Инд.</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Введите своё имя или название организации</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Имя или название</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Введите свою улицу и номер дома</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Улица и номер дома</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Введите свой город</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Город</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Введите свой регион (область, край, республику)</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Введите свой шестизначный почтовый индекс</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Почтовый индекс</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>прочитать поле «%1» из файла %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>сохранить поле «%1» в файл %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Просмотр квитанции</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Получатель</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Получатель, имя или название</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Получатель, улица и номер дома</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Получатель, город</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Получатель, регион</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Получатель, почтовый индекс</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Принято от</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Принято от, имя</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Принято от, фамилия</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Принято от, улица</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Принято от, улица, вторая строка</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Принято от, город</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Принято от, регион</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Принято от, почтовый индекс</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Сведения об оплате</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Способ оплаты</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Сумма:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Идёт печать…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Квитанция</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Получатель:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Способ оплаты:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Сумма:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Принято от:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Не удаётся дождаться снятия блокировки с %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Другой запущенный экземпляр Quorvel держал настройки заблокированными более %1 секунд.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (ссылка на %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Не удаётся проверить %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>Размер файла %1 — %2 байт, а файл настроек может занимать не более %3 байт; файл не был ни прочитан, ни изменён.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Диск, на котором находится папка %1, заполнен: файлу нужно %2 байт, а свободно только %3 байт.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Не удаётся записать файл в папке %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Настройки заняли бы %1 байт, а файл настроек может занимать не более %2 байт; ничего не записано.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Не удаётся создать файл в папке %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Не удаётся вернуть файлу %1 его владельца: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Не удаётся заменить %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>прочитать параметр «%1» из файла %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>сохранить параметр «%1» в файл %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
</context>
</TS>
