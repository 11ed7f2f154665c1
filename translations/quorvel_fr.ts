<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Le système d&apos;impression à l&apos;adresse %1 n&apos;a pas répondu dans un délai de %n seconde.</numerusform>
            <numerusform>Le système d&apos;impression à l&apos;adresse %1 n&apos;a pas répondu dans un délai de %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>Le reçu a été envoyé au système d&apos;impression à l&apos;adresse %1, qui ne l&apos;a pas confirmé dans un délai de %n seconde. Consultez la file d&apos;attente de l&apos;imprimante (lpstat -o) avant de réimprimer le reçu.</numerusform>
            <numerusform>Le reçu a été envoyé au système d&apos;impression à l&apos;adresse %1, qui ne l&apos;a pas confirmé dans un délai de %n secondes. Consultez la file d&apos;attente de l&apos;imprimante (lpstat -o) avant de réimprimer le reçu.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 a fermé la connexion avant de répondre.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 a répondu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 a envoyé une réponse illisible.</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 est injoignable.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>le système d&apos;impression n&apos;indique aucune raison</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 n&apos;a pas indiqué son imprimante par défaut&#xa0;: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 ne connaît pas l&apos;imprimante «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de travaux d&apos;impression&#xa0;: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est arrêtée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>Le système d&apos;impression retient le reçu destiné à l&apos;imprimante «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» a interrompu l&apos;impression du reçu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>L&apos;impression du reçu destiné à l&apos;imprimante «&#xa0;%1&#xa0;» a été annulée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>Le système d&apos;impression a abandonné l&apos;impression du reçu destiné à l&apos;imprimante «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» s&apos;est arrêtée et le reçu attend dans sa file d&apos;attente&#xa0;: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Aucune imprimante par défaut n&apos;est définie sur le système d&apos;impression à l&apos;adresse %1&#xa0;: %2 Choisissez-en une (lpstat -d affiche l&apos;imprimante par défaut).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>Le système d&apos;impression a refusé le reçu destiné à l&apos;imprimante «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» a été mise en pause&#xa0;; le reçu attend dans sa file d&apos;attente&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>%1 a échoué.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Réessayez, fermez «&#xa0;%1&#xa0;» sans enregistrer (ce que vous y avez saisi sera alors perdu) ou revenez à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Revenir à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>La dernière commande</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>La mémoire est insuffisante.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>FirstLineLabel</name>
    <message>
        <source>%1: %2</source>
        <comment>heard: a value&apos;s caption, then the value</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HyperLink</name>
    <message>
        <source>Opening %1</source>
        <translation>L&apos;ouverture de %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour ouvrir cette adresse.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 n&apos;a pas accepté le mot de passe. Saisissez-le de nouveau pour imprimer le reçu.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>Le système d&apos;impression à l&apos;adresse %1 demande votre mot de passe pour imprimer le reçu.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Mandat postal</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte bancaire</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Envoi du reçu à l&apos;imprimante…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Envoi du reçu</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>L&apos;impression du reçu</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Le module d&apos;impression ne peut pas être chargé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 n&apos;est pas le module d&apos;impression de Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Coordonnées du payeur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Saisissez le prénom du payeur</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Saisissez le nom du payeur</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Saisissez l&apos;adresse du payeur (numéro et rue)</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Complément d&apos;adresse</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Montant reçu</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>&amp;Vos coordonnées</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Rue</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Région</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Coordonnées du payeur</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Saisissez la ville du payeur</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Saisissez la région du payeur</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Saisissez le code postal du payeur</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Saisissez le montant reçu</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Vos coordonnées</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Vos informations</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Saisissez votre nom ou celui de votre entreprise</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Saisissez votre adresse (numéro et rue)</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Saisissez votre ville</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Saisissez votre région</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Saisissez votre code postal à 5 chiffres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>La lecture de «&#xa0;%1&#xa0;» depuis %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>L&apos;enregistrement de «&#xa0;%1&#xa0;» dans %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Région</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>Code postal</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Aperçu du reçu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Bénéficiaire, nom</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Bénéficiaire, adresse</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Bénéficiaire, ville</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Bénéficiaire, région</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Bénéficiaire, code postal</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Reçu de</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Reçu de, prénom</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Reçu de, nom</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Reçu de, rue</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Reçu de, complément d&apos;adresse</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Reçu de, ville</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Reçu de, région</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Reçu de, code postal</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Règlement</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Impression…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Mode de règlement&#xa0;:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Reçu de&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Impossible d&apos;attendre la libération du verrou de %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Une autre instance du programme a gardé les paramètres verrouillés pendant plus de %1 secondes.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (un lien vers %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Impossible d&apos;examiner %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 fait %2 octets, soit plus que les %3 octets autorisés pour un fichier de paramètres&#xa0;; il n&apos;a été ni lu ni modifié.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>Le disque qui contient %1 est plein&#xa0;: le fichier nécessite %2 octets et %3 sont libres.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire un fichier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>Les paramètres occuperaient %1 octets, soit plus que les %2 octets autorisés pour un fichier de paramètres&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Impossible de créer un fichier dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Impossible de rétablir le propriétaire de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Impossible de remplacer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>La lecture du paramètre «&#xa0;%1&#xa0;» depuis %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>L&apos;enregistrement du paramètre «&#xa0;%1&#xa0;» dans %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
</TS>
