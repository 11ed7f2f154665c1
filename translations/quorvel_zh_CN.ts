<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>位于 %1 的打印系统在 %n 秒内没有应答。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>收据已发送到位于 %1 的打印系统，但该系统在 %n 秒内没有确认收到。再次打印之前，请先查看打印机的队列（lpstat -o）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>位于 %1 的打印系统在应答之前关闭了连接。</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>位于 %1 的打印系统应答：%2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>位于 %1 的打印系统发回了无法读取的应答。</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>无法连接位于 %1 的打印系统。</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>打印系统未给出原因</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>位于 %1 的打印系统没有给出默认打印机的名称：%2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>位于 %1 的打印系统中没有打印机“%2”：%3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>打印机“%1”不接受打印作业：%2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>打印机“%1”已停止：%2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>收据</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>打印系统暂缓打印发往打印机“%1”的收据：%2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>打印机“%1”中止了收据的打印：%2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>发往打印机“%1”的收据已被取消：%2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>打印系统放弃了发往打印机“%1”的收据：%2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>打印机“%1”已停止，收据正在其队列中等待：%2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>位于 %1 的打印系统未设置默认打印机：%2 请选择一台默认打印机（可用 lpstat -d 查看）。</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>打印系统拒绝了发往打印机“%1”的收据：%2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>打印机“%1”已暂停，收据正在其队列中等待：%2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>无法%1。</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>您可以重试，或不保存而关闭“%1”（其中已输入的内容将丢失），或返回“%1”。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>不保存并关闭</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>返回“%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>完成上一个操作</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>发生未知错误。</translation>
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
        <translation>打开链接“%1”</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>无法启动网页浏览器来打开该地址。</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>位于 %1 的打印系统不接受该密码。请重新输入密码以打印收据。</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>位于 %1 的打印系统要求输入密码才能打印收据。</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>用户名(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
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
        <translation>邮政汇款</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>信用卡</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>现金</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>正在将收据发送到打印机…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>正在发送收据</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>打印收据</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>无法加载打印模块：%1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 不是 Quorvel 的打印模块。</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>付款人信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>输入付款人的名字</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>输入付款人的姓氏</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>详细地址</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>State</source>
        <translation>省份</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>邮编</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>输入付款人的详细地址</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>详细地址（第二行）</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>付款信息</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>收款金额</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>用户设置(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>名字</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>详细地址</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>城市</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>省份</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>邮编</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>付款人信息</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>输入付款人所在的城市</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>输入付款人所在的省份</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>输入付款人的邮政编码</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>输入收款金额</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>用户设置</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>用户信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>详细地址</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>State</source>
        <translation>省份</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>邮编</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>输入您的姓名或公司名称</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>输入您的详细地址</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>输入您所在的城市</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>输入您所在的省份</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>输入您的 6 位邮政编码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>从 %2 读取“%1”</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>将“%1”保存到 %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>名称</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>详细地址</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>城市</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>省份</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>邮编</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>收据预览</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
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
        <translation>收款人，名称</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>收款人，详细地址</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>收款人，城市</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>收款人，省份</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>收款人，邮编</translation>
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
        <translation>付款人，详细地址</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>付款人，详细地址（第二行）</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>付款人，城市</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>付款人，省份</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>付款人，邮编</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>付款信息</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>付款方式</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金额：</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>正在打印…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>收据</translation>
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
        <translation>金额：</translation>
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
        <translation>无法等待 %1 解除锁定：%2。</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>另一个正在运行的 Quorvel 锁定设置已超过 %1 秒。</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1（指向 %2 的链接）</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>无法检查 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 的大小为 %2 字节，超过了设置文件允许的 %3 字节；该文件未被读取，也未被更改。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>%1 所在的磁盘已满：该文件需要 %2 字节，而可用空间只有 %3 字节。</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>无法写入 %1 中的文件：%2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>设置将占用 %1 字节，超过了设置文件允许的 %2 字节；未写入任何内容。</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>无法在文件夹 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>无法为 %1 设置原来的所有者：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>从 %2 读取设置“%1”</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>将设置“%1”保存到 %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
</context>
</TS>
