<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CupsConnection</name>
    <message numerus="yes">
        <source>The print system at %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>O sistema de impressão em %1 não respondeu no prazo de %n segundo.</numerusform>
            <numerusform>O sistema de impressão em %1 não respondeu no prazo de %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The receipt went to the print system at %1, which did not confirm it within %n seconds. Look at the printer&apos;s queue (lpstat -o) before printing it again.</source>
        <translation>
            <numerusform>O recibo foi enviado ao sistema de impressão em %1, que não confirmou o recebimento no prazo de %n segundo. Verifique a fila da impressora (lpstat -o) antes de imprimi-lo novamente.</numerusform>
            <numerusform>O recibo foi enviado ao sistema de impressão em %1, que não confirmou o recebimento no prazo de %n segundos. Verifique a fila da impressora (lpstat -o) antes de imprimi-lo novamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print system at %1 closed the connection before it answered.</source>
        <translation>O sistema de impressão em %1 fechou a conexão antes de responder.</translation>
    </message>
    <message>
        <source>The print system at %1 answered: %2</source>
        <translation>O sistema de impressão em %1 respondeu: %2</translation>
    </message>
    <message>
        <source>The print system at %1 sent an answer that could not be read.</source>
        <translation>O sistema de impressão em %1 enviou uma resposta que não pôde ser lida.</translation>
    </message>
    <message>
        <source>The print system at %1 cannot be reached.</source>
        <translation>Não foi possível conectar ao sistema de impressão em %1.</translation>
    </message>
</context>
<context>
    <name>CupsPrintSystem</name>
    <message>
        <source>the print system gives no reason</source>
        <translation>o sistema de impressão não informa o motivo</translation>
    </message>
    <message>
        <source>The print system at %1 did not name its default printer: %2</source>
        <translation>O sistema de impressão em %1 não informou qual é a impressora padrão: %2</translation>
    </message>
    <message>
        <source>The print system at %1 does not know the printer “%2”: %3</source>
        <translation>O sistema de impressão em %1 não conhece a impressora “%2”: %3</translation>
    </message>
    <message>
        <source>The printer “%1” does not accept jobs: %2</source>
        <translation>A impressora “%1” não está aceitando trabalhos: %2</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped: %2</source>
        <translation>A impressora “%1” está parada: %2</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>The print system holds the receipt for “%1”: %2</source>
        <translation>O sistema de impressão está retendo o recibo enviado para “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped printing the receipt: %2</source>
        <translation>A impressora “%1” parou de imprimir o recibo: %2</translation>
    </message>
    <message>
        <source>The receipt for “%1” was cancelled: %2</source>
        <translation>O recibo enviado para “%1” foi cancelado: %2</translation>
    </message>
    <message>
        <source>The print system gave up the receipt for “%1”: %2</source>
        <translation>O sistema de impressão desistiu de imprimir o recibo enviado para “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” stopped, and the receipt waits in its queue: %2</source>
        <translation>A impressora “%1” parou e o recibo está aguardando na fila: %2</translation>
    </message>
    <message>
        <source>No default printer is set up at the print system at %1: %2 Choose one (lpstat -d shows it).</source>
        <translation>Não há impressora padrão definida no sistema de impressão em %1: %2 Escolha uma (lpstat -d mostra qual é a padrão).</translation>
    </message>
    <message>
        <source>The print system refused the receipt for “%1”: %2</source>
        <translation>O sistema de impressão recusou o recibo enviado para “%1”: %2</translation>
    </message>
    <message>
        <source>The printer “%1” was paused; the receipt waits in its queue: %2</source>
        <translation>A impressora “%1” foi pausada; o recibo está aguardando na fila: %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 failed.</source>
        <translation>Não foi possível %1.</translation>
    </message>
    <message>
        <source>Try again, close %1 without saving (what was typed in it is then lost), or go back to %1.</source>
        <translation>Você pode tentar novamente, fechar a janela “%1” sem salvar (o que foi digitado nela será perdido) ou voltar para “%1”.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fechar sem salvar</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Voltar para “%1”</translation>
    </message>
    <message>
        <source>The last command</source>
        <translation>concluir a última ação</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ocorreu um erro desconhecido.</translation>
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
        <translation>abrir %1</translation>
    </message>
    <message>
        <source>No web browser could be started for the address.</source>
        <translation>Não foi possível abrir um navegador para acessar o endereço.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>The print system at %1 did not accept the password. Type it again to print the receipt.</source>
        <translation>O sistema de impressão em %1 não aceitou a senha. Digite-a novamente para imprimir o recibo.</translation>
    </message>
    <message>
        <source>The print system at %1 asks for your password to print the receipt.</source>
        <translation>O sistema de impressão em %1 está pedindo sua senha para imprimir o recibo.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Senha:</translation>
    </message>
</context>
<context>
    <name>PaymentType</name>
    <message>
        <source>Personal Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Money Order</source>
        <translation>Vale postal</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Cartão de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Dinheiro</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sending the receipt to the printer…</source>
        <translation>Enviando o recibo para a impressora…</translation>
    </message>
    <message>
        <source>Sending the receipt</source>
        <translation>Envio do recibo</translation>
    </message>
</context>
<context>
    <name>PrintSystem</name>
    <message>
        <source>Printing the receipt</source>
        <translation>imprimir o recibo</translation>
    </message>
</context>
<context>
    <name>PrintingModule</name>
    <message>
        <source>The printing module cannot be loaded: %1</source>
        <translation>Não foi possível carregar o módulo de impressão: %1</translation>
    </message>
    <message>
        <source>%1 is not Quorvel&apos;s printing module.</source>
        <translation>%1 não é o módulo de impressão do Quorvel.</translation>
    </message>
</context>
<context>
    <name>QV1</name>
    <message>
        <source>Payee Information</source>
        <translation>Dados do pagador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Enter payees first name</source>
        <translation>Digite o nome do pagador</translation>
    </message>
    <message>
        <source>Enter payees last name</source>
        <translation>Digite o sobrenome do pagador</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rua</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Enter payees street address</source>
        <translation>Digite o endereço do pagador</translation>
    </message>
    <message>
        <source>Street, second line</source>
        <translation>Complemento</translation>
    </message>
    <message>
        <source>Payment Information</source>
        <translation>Dados do pagamento</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Valor recebido</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;User Setup</source>
        <translation>Configuração do &amp;usuário</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre o Quorvel</translation>
    </message>
    <message>
        <source>Quorvel v%1</source>
        <extracomment>The main window&apos;s title: the product&apos;s name, then its version (%1).</extracomment>
        <translation>Quorvel v%1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>spoken</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>spoken</comment>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Street</source>
        <comment>spoken</comment>
        <translation>Rua</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Payee Information</source>
        <comment>spoken: the tabs of the payee&apos;s name and address</comment>
        <translation>Dados do pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s city</source>
        <translation>Digite a cidade do pagador</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s state</source>
        <translation>Digite a sigla do estado do pagador (UF)</translation>
    </message>
    <message>
        <source>Enter the payee&apos;s zip code</source>
        <translation>Digite o CEP do pagador</translation>
    </message>
    <message>
        <source>Enter the amount collected</source>
        <translation>Digite o valor recebido</translation>
    </message>
</context>
<context>
    <name>QVAbout1</name>
    <message>
        <source>About</source>
        <translation>Sobre o Quorvel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version number.</extracomment>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>QVO1</name>
    <message>
        <source>User Setup</source>
        <translation>Configuração do usuário</translation>
    </message>
    <message>
        <source>User Information</source>
        <translation>Dados do usuário</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cid.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Enter your name or company name</source>
        <translation>Digite seu nome ou o nome da sua empresa</translation>
    </message>
    <message>
        <source>Enter your street address</source>
        <translation>Digite seu endereço (rua e número)</translation>
    </message>
    <message>
        <source>Enter your city</source>
        <translation>Digite sua cidade</translation>
    </message>
    <message>
        <source>Enter your state</source>
        <translation>Digite a sigla do seu estado (UF)</translation>
    </message>
    <message>
        <source>Enter your 5 digit zip code</source>
        <translation>Digite seu CEP (8 dígitos)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reading “%1” from %2</source>
        <translation>ler “%1” de %2</translation>
    </message>
    <message>
        <source>Saving “%1” to %2</source>
        <translation>salvar “%1” em %2</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>spoken</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Street Address</source>
        <comment>spoken</comment>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>City</source>
        <comment>spoken</comment>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <comment>spoken</comment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip</source>
        <comment>spoken</comment>
        <translation>CEP</translation>
    </message>
</context>
<context>
    <name>QVRP</name>
    <message>
        <source>Receipt Preview</source>
        <translation>Visualização do recibo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Paid to the order of</source>
        <translation>Pago a</translation>
    </message>
    <message>
        <source>Paid to the order of, name</source>
        <translation>Pago a, nome</translation>
    </message>
    <message>
        <source>Paid to the order of, street address</source>
        <translation>Pago a, endereço</translation>
    </message>
    <message>
        <source>Paid to the order of, city</source>
        <translation>Pago a, cidade</translation>
    </message>
    <message>
        <source>Paid to the order of, state</source>
        <translation>Pago a, estado</translation>
    </message>
    <message>
        <source>Paid to the order of, zip</source>
        <translation>Pago a, CEP</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Recebido de</translation>
    </message>
    <message>
        <source>From, first name</source>
        <translation>Recebido de, nome</translation>
    </message>
    <message>
        <source>From, last name</source>
        <translation>Recebido de, sobrenome</translation>
    </message>
    <message>
        <source>From, street</source>
        <translation>Recebido de, rua</translation>
    </message>
    <message>
        <source>From, street, second line</source>
        <translation>Recebido de, complemento</translation>
    </message>
    <message>
        <source>From, city</source>
        <translation>Recebido de, cidade</translation>
    </message>
    <message>
        <source>From, state</source>
        <translation>Recebido de, estado</translation>
    </message>
    <message>
        <source>From, zip</source>
        <translation>Recebido de, CEP</translation>
    </message>
    <message>
        <source>Payment Info</source>
        <translation>Dados do pagamento</translation>
    </message>
    <message>
        <source>Payment Type</source>
        <translation>Forma de pagamento</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Imprimindo…</translation>
    </message>
</context>
<context>
    <name>ReceiptPrintout</name>
    <message>
        <source>Receipt Form</source>
        <extracomment>The printed page&apos;s heading.</extracomment>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Paid to the order of:</source>
        <extracomment>Printed; the values after the receipt&apos;s captions start in the columns where the English captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.</extracomment>
        <translation>Pago a:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>Forma de pagamento:</translation>
    </message>
    <message>
        <source>In the Amount of:</source>
        <translation>No valor de:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Recebido de:</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The lock on %1 cannot be waited for: %2.</source>
        <translation>Não foi possível aguardar a liberação do bloqueio de %1: %2.</translation>
    </message>
    <message>
        <source>Another run of the program kept the settings locked for over %1 seconds.</source>
        <translation>Outra instância do programa manteve as configurações bloqueadas por mais de %1 segundos.</translation>
    </message>
    <message>
        <source>%1 (a link to %2)</source>
        <translation>%1 (um link para %2)</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>Não foi possível examinar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, more than the %3 bytes a settings file may have; it was neither read nor changed.</source>
        <translation>%1 tem %2 bytes, mais do que os %3 bytes permitidos para um arquivo de configurações; ele não foi lido nem alterado.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full: the file needs %2 bytes and %3 are free.</source>
        <translation>O disco onde fica %1 está cheio: o arquivo precisa de %2 bytes e há %3 livres.</translation>
    </message>
    <message>
        <source>A file in %1 cannot be written: %2</source>
        <translation>Não foi possível gravar um arquivo em %1: %2</translation>
    </message>
    <message>
        <source>The settings would take %1 bytes, more than the %2 bytes a settings file may have; nothing was written.</source>
        <translation>As configurações ocupariam %1 bytes, mais do que os %2 bytes permitidos para um arquivo de configurações; nada foi gravado.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1: %2</source>
        <translation>Não foi possível criar arquivos na pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be given its owner: %2</source>
        <translation>Não foi possível definir o proprietário de %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Não foi possível substituir %1: %2</translation>
    </message>
    <message>
        <source>Reading the setting &quot;%1&quot; from %2</source>
        <translation>ler a configuração “%1” de %2</translation>
    </message>
    <message>
        <source>Saving the setting &quot;%1&quot; to %2</source>
        <translation>salvar a configuração “%1” em %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
</context>
</TS>
