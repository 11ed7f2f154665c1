<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>لم يستجب نظام الطباعة على العنوان %1 خلال %n ثانية.</numerusform>
            <numerusform>لم يستجب نظام الطباعة على العنوان %1 خلال ثانية واحدة.</numerusform>
            <numerusform>لم يستجب نظام الطباعة على العنوان %1 خلال ثانيتين.</numerusform>
            <numerusform>لم يستجب نظام الطباعة على العنوان %1 خلال %n ثوانٍ.</numerusform>
            <numerusform>لم يستجب نظام الطباعة على العنوان %1 خلال %n ثانية.</numerusform>
            <numerusform>لم يستجب نظام الطباعة على العنوان %1 خلال %n ثانية.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>يتعذّر الوصول إلى نظام الطباعة على العنوان %1.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>أُرسل الإيصال إلى نظام الطباعة على العنوان %1، لكنه لم يؤكد استلامه خلال %n ثانية. راجع قائمة انتظار الطابعة (lpstat -o) قبل أن تطبعه مرة أخرى.</numerusform>
            <numerusform>أُرسل الإيصال إلى نظام الطباعة على العنوان %1، لكنه لم يؤكد استلامه خلال ثانية واحدة. راجع قائمة انتظار الطابعة (lpstat -o) قبل أن تطبعه مرة أخرى.</numerusform>
            <numerusform>أُرسل الإيصال إلى نظام الطباعة على العنوان %1، لكنه لم يؤكد استلامه خلال ثانيتين. راجع قائمة انتظار الطابعة (lpstat -o) قبل أن تطبعه مرة أخرى.</numerusform>
            <numerusform>أُرسل الإيصال إلى نظام الطباعة على العنوان %1، لكنه لم يؤكد استلامه خلال %n ثوانٍ. راجع قائمة انتظار الطابعة (lpstat -o) قبل أن تطبعه مرة أخرى.</numerusform>
            <numerusform>أُرسل الإيصال إلى نظام الطباعة على العنوان %1، لكنه لم يؤكد استلامه خلال %n ثانية. راجع قائمة انتظار الطابعة (lpstat -o) قبل أن تطبعه مرة أخرى.</numerusform>
            <numerusform>أُرسل الإيصال إلى نظام الطباعة على العنوان %1، لكنه لم يؤكد استلامه خلال %n ثانية. راجع قائمة انتظار الطابعة (lpstat -o) قبل أن تطبعه مرة أخرى.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>أغلق نظام الطباعة على العنوان %1 الاتصال قبل أن يرد.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>ردّ نظام الطباعة على العنوان %1: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>أرسل نظام الطباعة على العنوان %1 ردًا تعذّرت قراءته.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>لم يذكر نظام الطباعة سببًا</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>لم يذكر نظام الطباعة على العنوان %1 اسم طابعته الافتراضية: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>لا يعرف نظام الطباعة على العنوان %1 الطابعة «%2»: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>لا تقبل الطابعة «%1» مهام طباعة: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>الطابعة «%1» متوقفة: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>إيصال</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>يحتجز نظام الطباعة الإيصال المرسل إلى الطابعة «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>أوقفت الطابعة «%1» طباعة الإيصال: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>أُلغيت طباعة الإيصال على الطابعة «%1»: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>تخلّى نظام الطباعة عن الإيصال المرسل إلى الطابعة «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>توقفت الطابعة «%1»، والإيصال ينتظر في قائمة انتظارها: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>لم تُعيَّن طابعة افتراضية في نظام الطباعة على العنوان %1: %2 اختر طابعة (يعرضها الأمر lpstat -d).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>رفض نظام الطباعة الإيصال المرسل إلى الطابعة «%1»: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>أُوقفت الطابعة «%1» مؤقتًا، والإيصال ينتظر في قائمة انتظارها: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>تعذّر %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>أعد المحاولة، أو أغلق النافذة «%1» دون حفظ (وعندئذ يضيع ما كُتب فيها)، أو عُد إلى النافذة «%1».</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>العودة إلى «%1»</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>تنفيذ الأمر الأخير</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>لا تتوفر ذاكرة كافية.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>حدث خطأ غير معروف.</translation>
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
        <translation>فتح %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>تعذّر تشغيل متصفح ويب لفتح هذا العنوان.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>لم يقبل نظام الطباعة على العنوان %1 كلمة المرور. اكتبها مرة أخرى لطباعة الإيصال.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>يطلب نظام الطباعة على العنوان %1 كلمة المرور الخاصة بك لطباعة الإيصال.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;اسم المستخدم:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;كلمة المرور:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>شيك</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>حوالة بريدية</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>نقدًا</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>جارٍ إرسال الإيصال إلى الطابعة…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>إرسال الإيصال</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>طباعة الإيصال</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>يتعذّر تحميل وحدة الطباعة: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>ليس %1 وحدة الطباعة الخاصة ببرنامج Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>بيانات الدافع</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>بيانات الدافع</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>First</source>
        <translation>الاسم الأول</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>اسم العائلة</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>أدخل الاسم الأول للدافع</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>الاسم الأول</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>أدخل اسم عائلة الدافع</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>اسم العائلة</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>الشارع</translation>
    </message>
    <message>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>State</source>
        <translation>المنطقة</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>أدخل عنوان الدافع (الشارع ورقم المبنى)</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>الشارع</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>الشارع، السطر الثاني</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>أدخل مدينة الدافع</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>المنطقة</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>أدخل منطقة الدافع أو محافظته</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>الرمز البريدي</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>أدخل الرمز البريدي للدافع</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>بيانات الدفع</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>المبلغ المستلم</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>أدخل المبلغ المستلم</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>إصدار الإيصال</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>إ&amp;عدادات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;بيانات المستخدم</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول البرنامج</translation>
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
        <translation>حول Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>التواصل</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>الإصدار %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>بيانات المستخدم</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>بياناتك</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>City</source>
        <translation>مدينة</translation>
    </message>
    <message>
        <source>State</source>
        <translation>المنطقة</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>أدخل اسمك أو اسم شركتك</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>الاسم أو اسم الشركة</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>أدخل عنوانك (الشارع ورقم المبنى)</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>أدخل مدينتك أو بلدتك</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>أدخل منطقتك أو محافظتك</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>المنطقة</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>أدخل رمزك البريدي المكوَّن من 5 أرقام</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>الرمز البريدي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>قراءة «%1» من الملف %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>حفظ «%1» في الملف %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>معاينة الإيصال</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>المستفيد</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>المستفيد، الاسم</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>المستفيد، العنوان</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>المستفيد، المدينة</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>المستفيد، المنطقة</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>المستفيد، الرمز البريدي</translation>
    </message>
    <message>
        <source>From</source>
        <translation>استلمنا من</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>الدافع، الاسم الأول</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>الدافع، اسم العائلة</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>الدافع، الشارع</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>الدافع، الشارع، السطر الثاني</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>الدافع، المدينة</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>الدافع، المنطقة</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>الدافع، الرمز البريدي</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>بيانات الدفع</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>طريقة الدفع</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>المبلغ:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>جارٍ الطباعة…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>إيصال</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>المستفيد:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>مبلغ وقدره:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>استلمنا من:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>يتعذّر انتظار تحرير القفل على %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>أبقت نسخة أخرى من Quorvel قيد التشغيل الإعدادات مقفلة لأكثر من %1 ثوانٍ.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (رابط إلى %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>يتعذّر فحص %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>حجم %1 هو %2 بايت، وهذا أكثر من %3 بايت، وهو أقصى حجم لملف الإعدادات؛ لم يُقرأ الملف ولم يُغيَّر.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>يتعذّر قراءة %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>القرص الذي يحوي %1 ممتلئ: يحتاج الملف إلى %2 بايت، والمتاح %3 بايت فقط.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>يتعذّر كتابة ملف في %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>ستشغل الإعدادات %1 بايت، وهذا أكثر من %2 بايت، وهو أقصى حجم لملف الإعدادات؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>يتعذّر إنشاء ملف في المجلد %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>يتعذّر استعادة مالك %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>يتعذّر الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>يتعذّر استبدال %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>قراءة الإعداد «%1» من الملف %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>حفظ الإعداد «%1» في الملف %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>يتعذّر إنشاء المجلد %1.</translation>
    </message>
</context>
</TS>
