<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>מערכת ההדפסה בכתובת %1 לא ענתה תוך שנייה אחת.</numerusform>
            <numerusform>מערכת ההדפסה בכתובת %1 לא ענתה תוך %n שניות.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>לא ניתן להתחבר למערכת ההדפסה בכתובת %1.</translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>הקבלה נשלחה למערכת ההדפסה בכתובת %1, אבל המערכת לא אישרה אותה תוך שנייה אחת. לפני שמדפיסים אותה שוב, כדאי לבדוק את תור ההדפסה של המדפסת (lpstat -o).</numerusform>
            <numerusform>הקבלה נשלחה למערכת ההדפסה בכתובת %1, אבל המערכת לא אישרה אותה תוך %n שניות. לפני שמדפיסים אותה שוב, כדאי לבדוק את תור ההדפסה של המדפסת (lpstat -o).</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>מערכת ההדפסה בכתובת %1 סגרה את החיבור לפני שענתה.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>מערכת ההדפסה בכתובת %1 ענתה: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>מערכת ההדפסה בכתובת %1 שלחה תשובה שלא ניתן לקרוא.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>מערכת ההדפסה לא מסרה סיבה</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>מערכת ההדפסה בכתובת %1 לא מסרה את שם מדפסת ברירת המחדל שלה: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>מערכת ההדפסה בכתובת %1 אינה מכירה את המדפסת &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>המדפסת &quot;%1&quot; אינה מקבלת עבודות הדפסה: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>המדפסת &quot;%1&quot; עצורה: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>קבלה</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>מערכת ההדפסה מעכבת את הקבלה שנשלחה למדפסת &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>המדפסת &quot;%1&quot; הפסיקה להדפיס את הקבלה: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>הדפסת הקבלה במדפסת &quot;%1&quot; בוטלה: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>מערכת ההדפסה הפסיקה לטפל בקבלה שנשלחה למדפסת &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>המדפסת &quot;%1&quot; נעצרה, והקבלה ממתינה בתור שלה: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>במערכת ההדפסה בכתובת %1 לא הוגדרה מדפסת ברירת מחדל: %2 יש לבחור מדפסת (הפקודה lpstat -d מציגה אותה).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>מערכת ההדפסה דחתה את הקבלה שנשלחה למדפסת &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>המדפסת &quot;%1&quot; הושהתה, והקבלה ממתינה בתור שלה: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1 נכשלה.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>אפשר לנסות שוב, לסגור את החלון &quot;%1&quot; בלי לשמור (ומה שהוקלד בו יאבד), או לחזור לחלון &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>ניסיון חוזר</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>סגירה בלי שמירה</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>חזרה לחלון &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>הפקודה האחרונה</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>אין מספיק זיכרון.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>אירעה שגיאה לא ידועה.</translation>
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
        <translation>פתיחת %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>לא ניתן היה להפעיל דפדפן אינטרנט כדי לפתוח את הכתובת.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>מערכת ההדפסה בכתובת %1 לא קיבלה את הסיסמה. כדי להדפיס את הקבלה יש להקליד אותה שוב.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>מערכת ההדפסה בכתובת %1 מבקשת את הסיסמה שלך כדי להדפיס את הקבלה.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;שם משתמש:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;סיסמה:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>צ׳ק</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>המחאת דואר</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>כרטיס אשראי</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>מזומן</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>הקבלה נשלחת למדפסת…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>שליחת הקבלה</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>הדפסת הקבלה</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>לא ניתן לטעון את מודול ההדפסה: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 אינו מודול ההדפסה של Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>פרטי המשלם</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>פרטי המשלם</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>First</source>
        <translation>שם פרטי</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>שם משפחה</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>יש להזין את השם הפרטי של המשלם</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>שם פרטי</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>יש להזין את שם המשפחה של המשלם</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>שם משפחה</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>רחוב</translation>
    </message>
    <message>
        <source>City</source>
        <translation>עיר</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מחוז</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>מיקוד</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>יש להזין את כתובת המשלם (רחוב ומספר)</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>רחוב</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>רחוב, שורה שנייה</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>עיר</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>יש להזין את העיר של המשלם</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>מחוז</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>יש להזין את המחוז של המשלם</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>מיקוד</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>יש להזין את המיקוד של המשלם</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>פרטי התשלום</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>סכום שהתקבל</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>יש להזין את הסכום שהתקבל</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>הפקת קבלה</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;הגדרות</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;פרטי המשתמש</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות Quorvel</translation>
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
        <translation>אודות Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>יצירת קשר</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>אתר</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>גרסה %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>פרטי המשתמש</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>הפרטים שלך</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>כתובת</translation>
    </message>
    <message>
        <source>City</source>
        <translation>עיר</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מחוז</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>מיק׳</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>יש להזין את שמך או את שם העסק</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>שם או שם העסק</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>יש להזין את הכתובת שלך (רחוב ומספר)</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>כתובת</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>יש להזין את העיר או היישוב שלך</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>עיר</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>יש להזין את המחוז שלך</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>מחוז</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>יש להזין את המיקוד שלך (7 ספרות)</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>מיקוד</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>קריאת &quot;%1&quot; מהקובץ %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>שמירת &quot;%1&quot; בקובץ %2</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>תצוגה מקדימה של הקבלה</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>שולם לפקודת</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>שולם לפקודת, שם</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>שולם לפקודת, כתובת</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>שולם לפקודת, עיר</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>שולם לפקודת, מחוז</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>שולם לפקודת, מיקוד</translation>
    </message>
    <message>
        <source>From</source>
        <translation>התקבל מאת</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>התקבל מאת, שם פרטי</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>התקבל מאת, שם משפחה</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>התקבל מאת, רחוב</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>התקבל מאת, רחוב, שורה שנייה</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>התקבל מאת, עיר</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>התקבל מאת, מחוז</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>התקבל מאת, מיקוד</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>פרטי התשלום</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>אמצעי תשלום</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>סכום:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>סכום</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>בהדפסה…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>קבלה</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>שולם לפקודת:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>אמצעי תשלום:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>על סך:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>התקבל מאת:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>לא ניתן להמתין לשחרור הנעילה של %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>עותק אחר של Quorvel שפועל במקביל החזיק את ההגדרות נעולות יותר מ־%1 שניות.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (קישור אל %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>לא ניתן לבדוק את %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 אינו קובץ רגיל.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>גודלו של %1 הוא %2 בתים, יותר מ־%3 הבתים שקובץ הגדרות יכול להכיל; הקובץ לא נקרא ולא שונה.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>לא ניתן לקרוא את %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>הדיסק שבו נמצאת התיקייה %1 מלא: הקובץ צריך %2 בתים, ופנויים רק %3 בתים.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>לא ניתן לכתוב קובץ בתיקייה %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>ההגדרות היו תופסות %1 בתים, יותר מ־%2 הבתים שקובץ הגדרות יכול להכיל; דבר לא נכתב.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>לא ניתן ליצור קובץ בתיקייה %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>לא ניתן לשחזר את הבעלים של %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>לא ניתן לכתוב את %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>לא ניתן להחליף את %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>קריאת ההגדרה &quot;%1&quot; מהקובץ %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>שמירת ההגדרה &quot;%1&quot; בקובץ %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>לא ניתן ליצור את התיקייה %1.</translation>
    </message>
</context>
</TS>
