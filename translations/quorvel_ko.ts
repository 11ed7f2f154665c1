<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>%1의 인쇄 시스템이 %n초 안에 응답하지 않았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>%1의 인쇄 시스템에 연결할 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>영수증을 %1의 인쇄 시스템으로 보냈지만 %n초 안에 접수 확인이 오지 않았습니다. 다시 인쇄하기 전에 프린터 대기열(lpstat -o)을 확인하십시오.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>%1의 인쇄 시스템이 응답하기 전에 연결을 끊었습니다.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>%1의 인쇄 시스템 응답: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>%1의 인쇄 시스템이 읽을 수 없는 응답을 보냈습니다.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>인쇄 시스템이 이유를 알려 주지 않았습니다</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>%1의 인쇄 시스템이 기본 프린터의 이름을 알려 주지 않았습니다: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>%1의 인쇄 시스템에 ‘%2’ 프린터가 없습니다: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>‘%1’ 프린터가 인쇄 작업을 받지 않습니다: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>‘%1’ 프린터가 정지되어 있습니다: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>영수증</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>인쇄 시스템이 ‘%1’ 프린터로 보낸 영수증을 보류하고 있습니다: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>‘%1’ 프린터가 영수증 인쇄를 멈췄습니다: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>‘%1’ 프린터로 보낸 영수증 인쇄가 취소되었습니다: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>인쇄 시스템이 ‘%1’ 프린터로 보낸 영수증 인쇄를 중단했습니다: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>‘%1’ 프린터가 정지되어 영수증이 대기열에서 기다리고 있습니다: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>%1의 인쇄 시스템에 기본 프린터가 설정되어 있지 않습니다: %2 기본 프린터를 하나 정하십시오(lpstat -d로 확인할 수 있습니다).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>인쇄 시스템이 ‘%1’ 프린터로 보낸 영수증을 거부했습니다: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>‘%1’ 프린터가 일시 중지되어 영수증이 대기열에서 기다리고 있습니다: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1에 실패했습니다.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>다시 시도하거나, 저장하지 않고 ‘%1’ 창을 닫거나(입력한 내용은 사라집니다), ‘%1’ 창으로 돌아가십시오.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>저장하지 않고 닫기</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>‘%1’ 창으로 돌아가기</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>마지막 명령 실행</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>알 수 없는 오류가 발생했습니다.</translation>
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
        <translation>%1 열기</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>이 주소를 열 웹 브라우저를 실행할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>%1의 인쇄 시스템이 비밀번호를 받아들이지 않았습니다. 영수증을 인쇄하려면 비밀번호를 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>영수증을 인쇄하려면 %1의 인쇄 시스템에 비밀번호를 입력해야 합니다.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>사용자 이름(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>비밀번호(&amp;P):</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>수표</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>우편환</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>신용카드</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>현금</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>영수증을 프린터로 보내는 중…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>영수증 보내는 중</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>영수증 인쇄</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>인쇄 모듈을 불러올 수 없습니다: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 파일은 Quorvel의 인쇄 모듈이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>지불인 정보</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>성명</translation>
    </message>
    <message>
        <source>First</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>성</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>지불인의 이름을 입력하십시오</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>지불인의 성을 입력하십시오</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>성</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>도로명</translation>
    </message>
    <message>
        <source>City</source>
        <translation>시</translation>
    </message>
    <message>
        <source>State</source>
        <translation>시·도</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>(우)</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>지불인의 도로명 주소를 입력하십시오</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>도로명 주소</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>도로명 주소(둘째 줄)</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>시·군·구</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>시·도</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>우편번호</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>결제 정보</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>받은 금액</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>작성</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>사용자 설정(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Quorvel 정보(&amp;A)</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>지불인 정보</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>지불인의 시·군·구를 입력하십시오</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>지불인의 시·도를 입력하십시오</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>지불인의 우편번호를 입력하십시오</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>받은 금액을 입력하십시오</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Quorvel 정보</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>연락처</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>버전 %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>사용자 설정</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>사용자 정보</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>도로명 주소</translation>
    </message>
    <message>
        <source>City</source>
        <translation>시</translation>
    </message>
    <message>
        <source>State</source>
        <translation>시·도</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>(우)</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>본인 이름이나 회사 이름을 입력하십시오</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>본인의 도로명 주소를 입력하십시오</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>도로명 주소</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>시·군·구를 입력하십시오</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>시·군·구</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>시·도를 입력하십시오</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>시·도</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>우편번호 5자리를 입력하십시오</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>우편번호</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>%2에서 ‘%1’ 읽기</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>%2에 ‘%1’ 저장</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>영수증 미리 보기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>수령인</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>수령인, 이름</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>수령인, 도로명 주소</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>수령인, 시·군·구</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>수령인, 시·도</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>수령인, 우편번호</translation>
    </message>
    <message>
        <source>From</source>
        <translation>지불인</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>지불인, 이름</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>지불인, 성</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>지불인, 도로명 주소</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>지불인, 도로명 주소(둘째 줄)</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>지불인, 시·군·구</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>지불인, 시·도</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>지불인, 우편번호</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>결제 정보</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>결제 수단</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>금액:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>금액</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>인쇄 중…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>영수증</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>수령인:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>결제 수단:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>금액:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>지불인:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>%1의 잠금이 풀리기를 기다릴 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>실행 중인 다른 Quorvel이 설정을 %1초 넘게 잠가 두었습니다.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1(링크 대상: %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 파일을 확인할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1: 일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 파일의 크기는 %2바이트로, 설정 파일의 최대 크기인 %3바이트를 넘습니다. 이 파일은 읽지도 바꾸지도 않았습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 파일을 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>%1 파일이 있는 디스크가 가득 찼습니다. 파일에 %2바이트가 필요하지만 남은 공간은 %3바이트입니다.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>%1 폴더에 파일을 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>설정이 %1바이트가 되어 설정 파일의 최대 크기인 %2바이트를 넘으므로 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>%1 폴더에 파일을 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>%1 파일에 원래 소유자를 지정할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 파일에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 파일을 교체할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>%2에서 ‘%1’ 설정 읽기</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>%2에 ‘%1’ 설정 저장</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 폴더를 만들 수 없습니다.</translation>
    </message>
</context>
</TS>
