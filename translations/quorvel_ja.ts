<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>%1 の印刷システムから %n 秒以内に応答がありませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>領収書を %1 の印刷システムに送りましたが、%n 秒以内に受け付けの確認がありませんでした。もう一度印刷する前に、プリンターのキュー（lpstat -o）を確認してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>%1 の印刷システムが応答する前に接続を閉じました。</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>%1 の印刷システムからの応答：%2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>%1 の印刷システムから読み取れない応答が返されました。</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>%1 の印刷システムに接続できません。</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>印刷システムから理由は示されていません</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>%1 の印刷システムから既定のプリンター名が返されませんでした：%2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>%1 の印刷システムにプリンター「%2」が見つかりません：%3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>プリンター「%1」は印刷ジョブを受け付けていません：%2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>プリンター「%1」は停止しています：%2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>領収書</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>印刷システムがプリンター「%1」宛ての領収書を保留しています：%2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>プリンター「%1」が領収書の印刷を中止しました：%2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>プリンター「%1」宛ての領収書の印刷はキャンセルされました：%2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>印刷システムがプリンター「%1」宛ての領収書の印刷を打ち切りました：%2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>プリンター「%1」が停止したため、領収書はキューで待機しています：%2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>%1 の印刷システムに既定のプリンターが設定されていません：%2 既定のプリンターを選んでください（lpstat -d で確認できます）。</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>印刷システムがプリンター「%1」宛ての領収書を拒否しました：%2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>プリンター「%1」が一時停止されたため、領収書はキューで待機しています：%2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1に失敗しました。</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>もう一度試すか、保存せずに「%1」を閉じる（入力した内容は失われます）か、「%1」に戻ってください。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>保存せずに閉じる</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>「%1」に戻る</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>直前の操作</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>メモリが不足しています。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>不明なエラーが発生しました。</translation>
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
        <translation>%1 を開く操作</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>このアドレスを開く Web ブラウザーを起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>%1 の印刷システムがパスワードを受け付けませんでした。領収書を印刷するには、パスワードをもう一度入力してください。</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>%1 の印刷システムで領収書を印刷するには、パスワードが必要です。</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P)：</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>小切手</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>郵便為替</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジット</translation>
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
        <translation>領収書をプリンターに送信しています…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>領収書を送信中</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>領収書の印刷</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>印刷モジュールを読み込めません：%1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 は Quorvel の印刷モジュールではありません。</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>支払者情報</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>氏名</translation>
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
        <translation>支払者の名を入力してください</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>支払者の姓を入力してください</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>番地</translation>
    </message>
    <message>
        <source>City</source>
        <translation>市町村</translation>
    </message>
    <message>
        <source>State</source>
        <translation>都道府県</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>〒</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>支払者の住所（町名・番地）を入力してください</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>町名・番地（2 行目）</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>支払情報</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>領収金額</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>ユーザー設定(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>名</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>姓</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>町名・番地</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>市区町村</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>都道府県</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>支払者情報</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>支払者の市区町村を入力してください</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>支払者の都道府県を入力してください</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>支払者の郵便番号を入力してください</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>領収金額を入力してください</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>ユーザー設定</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>ユーザー情報</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>町名・番地</translation>
    </message>
    <message>
        <source>City</source>
        <translation>市</translation>
    </message>
    <message>
        <source>State</source>
        <translation>県</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>〒</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>ご自身の氏名または会社名を入力してください</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>ご自身の住所（町名・番地）を入力してください</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>市区町村を入力してください</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>都道府県を入力してください</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>郵便番号（7 桁）を入力してください</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>%2 からの「%1」の読み込み</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>「%1」の %2 への保存</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>町名・番地</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>市区町村</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>都道府県</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>郵便番号</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>領収書のプレビュー</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>支払先、名前</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>支払先、町名・番地</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>支払先、市区町村</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>支払先、都道府県</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>支払先、郵便番号</translation>
    </message>
    <message>
        <source>From</source>
        <translation>支払者</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>支払者、名</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>支払者、姓</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>支払者、町名・番地</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>支払者、町名・番地（2 行目）</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>支払者、市区町村</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>支払者、都道府県</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>支払者、郵便番号</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>支払情報</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>支払方法</translation>
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
        <translation>印刷中…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>領収書</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>支払先：</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>支払方法：</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>金額：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>支払者：</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>%1 のロックの解除を待てません：%2。</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>同時に実行中の別の Quorvel が、%1 秒を超えて設定をロックしたままでした。</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1（%2 へのリンク）</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 を調べられません：%2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 のサイズは %2 バイトで、設定ファイルの上限 %3 バイトを超えています。読み込みも変更もしていません。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>%1 のあるディスクがいっぱいです。ファイルには %2 バイト必要ですが、空きは %3 バイトです。</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>%1 内のファイルに書き込めません：%2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>設定のサイズが %1 バイトになり、設定ファイルの上限 %2 バイトを超えるため、何も書き込んでいません。</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>フォルダー %1 にファイルを作成できません：%2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>%1 に元の所有者を設定できません：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 を置き換えられません：%2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>%2 からの設定「%1」の読み込み</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>設定「%1」の %2 への保存</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
</context>
</TS>
