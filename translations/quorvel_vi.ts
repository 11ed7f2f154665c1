<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Hệ thống in tại %1 không trả lời trong vòng %n giây.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Không thể kết nối tới hệ thống in tại %1.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Biên lai đã được gửi tới hệ thống in tại %1, nhưng hệ thống này không xác nhận đã nhận trong vòng %n giây. Hãy kiểm tra hàng đợi của máy in (lpstat -o) trước khi in lại.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Hệ thống in tại %1 đã đóng kết nối trước khi trả lời.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Hệ thống in tại %1 trả lời: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Hệ thống in tại %1 đã gửi một câu trả lời không đọc được.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>hệ thống in không cho biết lý do</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Hệ thống in tại %1 không cho biết tên máy in mặc định: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Hệ thống in tại %1 không có máy in “%2”: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>Máy in “%1” không nhận lệnh in: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>Máy in “%1” đang dừng: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Biên lai</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Hệ thống in đang giữ lại biên lai gửi tới “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>Máy in “%1” đã dừng in biên lai: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>Lệnh in biên lai gửi tới “%1” đã bị hủy: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Hệ thống in đã bỏ dở việc in biên lai gửi tới “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>Máy in “%1” đã dừng, biên lai đang chờ trong hàng đợi: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Hệ thống in tại %1 chưa đặt máy in mặc định: %2 Hãy chọn một máy in (lệnh lpstat -d cho biết máy in mặc định).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Hệ thống in đã từ chối biên lai gửi tới “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>Máy in “%1” đã bị tạm dừng; biên lai đang chờ trong hàng đợi: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>Không thể %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Bạn có thể thử lại, đóng “%1” mà không lưu (nội dung đã nhập trong đó sẽ bị mất), hoặc quay lại “%1”.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Đóng mà không lưu</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Quay lại “%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>thực hiện lệnh vừa rồi</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Không đủ bộ nhớ.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Đã xảy ra lỗi không xác định.</translation>
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
        <translation>mở %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Không khởi động được trình duyệt web nào để mở địa chỉ này.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Hệ thống in tại %1 không chấp nhận mật khẩu. Hãy nhập lại mật khẩu để in biên lai.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Hệ thống in tại %1 yêu cầu mật khẩu của bạn để in biên lai.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Tên người dùng:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mật khẩu:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Séc</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Bưu phiếu</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Thẻ tín dụng</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Tiền mặt</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Đang gửi biên lai tới máy in…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Đang gửi biên lai</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>in biên lai</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Không thể nạp mô-đun in: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 không phải là mô-đun in của Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Thông tin người nộp tiền</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Họ tên</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Họ</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Nhập tên của người nộp tiền</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Nhập họ của người nộp tiền</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Họ</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Đường</translation>
    </message>
    <message>
        <source>City</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tỉnh</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Nhập địa chỉ của người nộp tiền (số nhà, tên đường)</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Số nhà, đường</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Số nhà, đường (dòng thứ hai)</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Tỉnh</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Mã bưu chính</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Thông tin thanh toán</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Số tiền đã thu</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Tạo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Cài đặt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>Thông tin &amp;người dùng</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Giới thiệu Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Thông tin người nộp tiền</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Nhập thành phố của người nộp tiền</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Nhập tỉnh của người nộp tiền</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Nhập mã bưu chính của người nộp tiền</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Nhập số tiền đã thu</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Liên hệ</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Trang web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Phiên bản %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Thông tin người dùng</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Thông tin của bạn</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tỉnh</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Nhập tên của bạn hoặc tên công ty</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Nhập địa chỉ của bạn (số nhà, tên đường)</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Nhập thành phố của bạn</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Nhập tỉnh của bạn</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Tỉnh</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Nhập mã bưu chính 5 chữ số của bạn</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Mã bưu chính</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>đọc “%1” từ %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>lưu “%1” vào %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Xem trước biên lai</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Người nhận tiền</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Người nhận tiền, tên</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Người nhận tiền, địa chỉ</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Người nhận tiền, thành phố</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Người nhận tiền, tỉnh</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Người nhận tiền, mã bưu chính</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Người nộp tiền</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Người nộp tiền, tên</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Người nộp tiền, họ</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Người nộp tiền, số nhà, đường</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Người nộp tiền, số nhà, đường (dòng thứ hai)</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Người nộp tiền, thành phố</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Người nộp tiền, tỉnh</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Người nộp tiền, mã bưu chính</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Thông tin thanh toán</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Cách thanh toán</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Số tiền:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Số tiền</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Đang in…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Biên lai thu tiền</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Người nhận tiền:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Hình thức thanh toán:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Số tiền:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Người nộp tiền:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Không thể chờ khóa trên %1 được giải phóng: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Một phiên chạy khác của chương trình này đã khóa phần thiết lập quá %1 giây.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (liên kết tới %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Không thể kiểm tra %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 không phải là tệp thông thường.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 có dung lượng %2 byte, vượt quá giới hạn %3 byte của một tệp thiết lập; tệp này không được đọc và cũng không bị thay đổi.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Không thể đọc %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Ổ đĩa chứa %1 đã đầy: tệp cần %2 byte nhưng chỉ còn trống %3 byte.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Không thể ghi tệp trong %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Phần thiết lập sẽ chiếm %1 byte, vượt quá giới hạn %2 byte của một tệp thiết lập; không có gì được ghi.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Không thể tạo tệp trong thư mục %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Không thể gán chủ sở hữu ban đầu cho %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Không thể ghi %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Không thể thay thế %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>đọc thiết lập “%1” từ %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>lưu thiết lập “%1” vào %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Không thể tạo thư mục %1.</translation>
    </message>
</context>
</TS>
