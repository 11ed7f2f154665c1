<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>%1 的列印系統未在 %n 秒內回應。</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>無法連線到 %1 的列印系統。</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>收據已送到 %1 的列印系統，但該系統未在 %n 秒內確認收到。再次列印前，請先查看印表機的佇列（lpstat -o）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>%1 的列印系統在回應前就中斷了連線。</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>%1 的列印系統回應：%2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>%1 的列印系統傳回了無法讀取的回應。</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>列印系統未說明原因</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>%1 的列印系統未提供預設印表機的名稱：%2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>%1 的列印系統找不到印表機「%2」：%3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>印表機「%1」不接受列印工作：%2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>印表機「%1」已停止：%2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>收據</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>列印系統暫時保留了送往「%1」的收據，尚未列印：%2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>印表機「%1」已停止列印收據：%2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>送往「%1」的收據已取消列印：%2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>列印系統已放棄列印送往「%1」的收據：%2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>印表機「%1」已停止，收據正在佇列中等候：%2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>%1 的列印系統未設定預設印表機：%2 請選擇一台預設印表機（可用 lpstat -d 查看）。</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>列印系統拒絕了送往「%1」的收據：%2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>印表機「%1」已暫停，收據正在佇列中等候：%2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>無法%1。</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>您可以重試、不儲存就關閉「%1」（在其中輸入的內容將會遺失），或返回「%1」。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>不儲存並關閉</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>返回「%1」</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>完成上一個操作</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>記憶體不足。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>發生未知的錯誤。</translation>
    </message>
</context>
<context>
    <name>FirstLineLabel</name>
    <message>
        <source>%1: %2</source>
        <comment>heard: a value&apos;s caption, then the value</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>HyperLink</name>
    <message>
        <source>Opening %1</source>
        <translation>開啟連結「%1」</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>無法啟動網頁瀏覽器來開啟此網址。</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>%1 的列印系統不接受此密碼。請重新輸入密碼以列印收據。</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>%1 的列印系統要求輸入密碼才能列印收據。</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>使用者名稱(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密碼(&amp;P)：</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>支票</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>郵政匯票</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>信用卡</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>正在將收據傳送到印表機…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>正在傳送收據</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>列印收據</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>無法載入列印模組：%1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 不是 Quorvel 的列印模組。</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>付款人資料</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>輸入付款人的名字</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>名字</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>輸入付款人的姓氏</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>街道</translation>
    </message>
    <message>
        <source>City</source>
        <translation>區域</translation>
    </message>
    <message>
        <source>State</source>
        <translation>縣市</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵遞</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>輸入付款人的街道地址（路、段、巷、弄、號）</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>街道地址</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>街道地址（第二行）</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>鄉鎮市區</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>縣市</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>付款資料</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>收款金額</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>產生</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>使用者設定(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於 Quorvel(&amp;A)</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>付款人資料</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>輸入付款人所在的鄉鎮市區</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>輸入付款人所在的縣市</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>輸入付款人的郵遞區號</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>輸入收款金額</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>關於 Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>聯絡方式</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>網站</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>使用者設定</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>使用者資料</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>街道地址</translation>
    </message>
    <message>
        <source>City</source>
        <translation>區域</translation>
    </message>
    <message>
        <source>State</source>
        <translation>縣市</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵遞</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>輸入您的姓名或公司名稱</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>輸入您的街道地址（路、段、巷、弄、號）</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>街道地址</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>輸入您所在的鄉鎮市區</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>鄉鎮市區</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>輸入您所在的縣市</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>縣市</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>輸入您的郵遞區號（3+3 碼）</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>從 %2 讀取「%1」</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>將「%1」儲存到 %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>收據預覽</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>收款人</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>收款人，名稱</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>收款人，街道地址</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>收款人，鄉鎮市區</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>收款人，縣市</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>收款人，郵遞區號</translation>
    </message>
    <message>
        <source>From</source>
        <translation>付款人</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>付款人，名字</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>付款人，姓氏</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>付款人，街道地址</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>付款人，街道地址（第二行）</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>付款人，鄉鎮市區</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>付款人，縣市</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>付款人，郵遞區號</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>付款資料</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>付款方式</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額：</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>列印中…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>收據</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>收款人：</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>付款方式：</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>金額：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>付款人：</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>無法等待 %1 的鎖定解除：%2。</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>另一個正在執行的 Quorvel 已鎖定設定超過 %1 秒。</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1（指向 %2 的連結）</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>無法檢查 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是一般檔案。</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 的大小為 %2 位元組，超過設定檔的上限 %3 位元組；此檔案未被讀取，也未被變更。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>%1 所在的磁碟已滿：此檔案需要 %2 位元組，但只剩 %3 位元組。</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>無法在 %1 中寫入檔案：%2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>設定將佔用 %1 位元組，超過設定檔的上限 %2 位元組；未寫入任何內容。</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>無法在資料夾 %1 中建立檔案：%2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>無法為 %1 設定原本的擁有者：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>無法取代 %1：%2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>從 %2 讀取設定「%1」</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>將設定「%1」儲存到 %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
</context>
</TS>
