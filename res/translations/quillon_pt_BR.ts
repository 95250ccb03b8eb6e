<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation>filas de %1 bytes</translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation>O driver recusou os tempos limite de leitura: %1</translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation>Outro programa está usando a porta.</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>A porta sumiu: ela não existe (mais) no sistema.</translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation>O driver recusou o dispositivo (&quot;o dispositivo não está funcionando&quot;, Código 10 no Gerenciador de Dispositivos), como os drivers fazem com muitos chips clonados: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>O Quillon digita o que um instrumento serial (paquímetro, balança, leitor de
código de barras) envia no aplicativo com o foco do teclado, ou o mostra no seu
próprio registro de dados. Também aceita opções do Qt, como -platform e -style.</translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation>Quillon %1</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation>O instrumento perdido ainda não voltou.</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Quillon: %1</source>
        <translation>Quillon: %1</translation>
    </message>
    <message>
        <source>Quillon&apos;s own window has the keyboard focus</source>
        <translation>A própria janela do Quillon está com o foco do teclado</translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Clique no aplicativo que deve receber as leituras. O que não foi digitado está no registro de dados do Quillon.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation>O Quillon não digitou uma leitura</translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Uma tecla modificadora (Shift, Ctrl, Alt, AltGr ou a tecla Windows) ficou pressionada, o que teria transformado a leitura em atalhos. O que não foi digitado está no registro de dados do Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation>O Quillon não consegue digitar em outros aplicativos</translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation>%1. Os dados recebidos não são digitados, mas mostrados no registro de dados.</translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation>O Quillon não consegue digitar em aplicativos Wayland</translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation>%1. Somente aplicativos X11 recebem os dados digitados; o registro de dados funciona normalmente.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation>O Quillon não digitou uma leitura que chegou enquanto a área de trabalho pedia permissão</translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation>Não se sabe onde está o foco do teclado depois da pergunta. A leitura está no registro de dados do Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation>O Quillon não consegue digitar no momento</translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation>%1. As leituras que não podem ser digitadas ficam no registro de dados do Quillon; o Quillon tenta de novo a cada nova leitura.</translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation>Não é possível ler o mapa do teclado; as teclas são digitadas conforme o último mapa lido</translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation>O servidor X recusou uma tecla para o caractere %1</translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation>O que não foi digitado está no registro de dados do Quillon.</translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation>O mapa do teclado não tem tecla livre para os caracteres que faltam no layout</translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation>A conexão com o servidor X foi perdida</translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation>Os dados recebidos não são mais digitados, mas mostrados no registro de dados.</translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation>O Windows não soltou uma tecla digitada pelo Quillon</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation>O programa com o foco pode estar sendo executado com privilégios mais altos que o Quillon (erro %1). O Quillon tenta de novo antes da próxima tecla; enquanto isso, as leituras aguardam no registro de dados do Quillon.</translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation>O Windows recusou uma tecla</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation>O programa com o foco pode estar sendo executado com privilégios mais altos que o Quillon (erro %1). O que não foi digitado está no registro de dados do Quillon.</translation>
    </message>
    <message>
        <source>no desktop portal on the session bus</source>
        <translation>nenhum portal da área de trabalho no barramento de sessão</translation>
    </message>
    <message>
        <source>the remote desktop portal did not answer</source>
        <translation>o portal de área de trabalho remota não respondeu</translation>
    </message>
    <message>
        <source>the remote desktop portal no longer takes keys</source>
        <translation>o portal de área de trabalho remota não aceita mais teclas</translation>
    </message>
    <message>
        <source>the remote desktop portal does not take keys</source>
        <translation>o portal de área de trabalho remota não aceita teclas</translation>
    </message>
    <message>
        <source>the remote desktop session was ended</source>
        <translation>a sessão de área de trabalho remota foi encerrada</translation>
    </message>
    <message>
        <source>the user declined the remote desktop request</source>
        <translation>o usuário recusou o pedido de área de trabalho remota</translation>
    </message>
    <message>
        <source>the remote desktop portal failed</source>
        <translation>o portal de área de trabalho remota falhou</translation>
    </message>
    <message>
        <source>the remote desktop portal refused %1: %2</source>
        <translation>o portal de área de trabalho remota recusou %1: %2</translation>
    </message>
    <message>
        <source>no Wayland display can be reached</source>
        <translation>nenhuma tela Wayland está acessível</translation>
    </message>
    <message>
        <source>the compositor does not answer</source>
        <translation>o compositor não responde</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)</source>
        <translation>o compositor não oferece nenhum teclado virtual (zwp_virtual_keyboard_manager_v1)</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>o compositor não oferece nenhum assento (wl_seat)</translation>
    </message>
    <message>
        <source>the virtual keyboard&apos;s keymap does not compile</source>
        <translation>não é possível compilar o mapa do teclado virtual</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>o compositor recusou um teclado virtual</translation>
    </message>
    <message>
        <source>the compositor did not take the virtual keyboard&apos;s keymap</source>
        <translation>o compositor não aceitou o mapa do teclado virtual</translation>
    </message>
    <message>
        <source>the compositor does not take the keys</source>
        <translation>o compositor não aceita as teclas</translation>
    </message>
    <message>
        <source>the compositor&apos;s messages cannot be read</source>
        <translation>não é possível ler as mensagens do compositor</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor is lost</source>
        <translation>a conexão com o compositor Wayland foi perdida</translation>
    </message>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>nenhuma tela X (a variável DISPLAY não está definida)</translation>
    </message>
    <message>
        <source>the X display cannot be opened</source>
        <translation>não é possível abrir a tela X</translation>
    </message>
    <message>
        <source>the X server offers no XTEST extension</source>
        <translation>o servidor X não oferece a extensão XTEST</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Este usuário não tem permissão para usar a porta. Entre no grupo dialout com o comando
sudo usermod -aG dialout $USER
e depois saia da sessão e entre de novo.</translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation>Outro programa está usando a porta, ou este usuário não tem permissão para usá-la (na maioria dos sistemas, é preciso ser membro do grupo dialout).</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>A porta sumiu: ela não existe (mais) no sistema.</translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation>O dispositivo enviou %1 KiB sem fim de linha</translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation>Bytes do dispositivo se perderam na linha</translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation>A porta serial relatou erros de estouro, de enquadramento ou de paridade. As leituras com lacunas não são digitadas, mas mostradas no registro de dados do Quillon. Um dispositivo que envia mais de uns 25 caracteres por segundo é mais rápido que a digitação: configure-o para enviar sob demanda ou quando o valor estiver estável, ou use o registro de dados.</translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation>%1 (só &quot;%2&quot; foi digitado)</translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation>Não digitado (bytes se perderam na linha): %1</translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation>Não digitado: %1</translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation>Verifique a configuração de fim de linha do dispositivo. O que ele enviou está no registro de dados do Quillon.</translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation>[bytes se perderam na linha]</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation>O que o instrumento enviou com &quot;Para teclado&quot; desmarcado</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Linha de comando</translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation>Enviada ao instrumento com Enter ou &quot;Enviar comando&quot;</translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>Sobre o Quillon</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Sobre o Qt</translation>
    </message>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>The serial port the instrument is on</source>
        <translation>A porta serial em que o instrumento está ligado</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Taxa de baud</translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation>Bits/paridade</translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation>Bits de dados e paridade</translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation>8/NENHUMA</translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation>7/NENHUMA</translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation>7/MARCA</translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation>7/ESPAÇO</translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation>7/PAR</translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation>7/ÍMPAR</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation>Handshake: o controle de fluxo</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NENHUM</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Limpar tela</translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation>Digita cada leitura no aplicativo que tem o foco; se desmarcado, as leituras vão para o registro de dados</translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation>Para teclado</translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation>Modo de saída</translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation>Fennick digita os códigos do instrumento para Enter e Tab como essas teclas</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Send command</source>
        <translation>Enviar comando</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation>V1.11 
Desenvolvido por Brenvik</translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation>Falha ao abrir a porta COM</translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation>Falha ao abrir a porta COM; verifique se ela está ocupada</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Não foi possível abrir %1</translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation>%1 não aceitou uma configuração</translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation>O driver recusou %1 e mantém os próprios valores; as leituras podem sair corrompidas se o instrumento não usar os mesmos.</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Número de série %1</translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation>todas as configurações (%1)</translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation>a taxa de transmissão %1</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 bits de dados</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>o controle de fluxo</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>a paridade</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>os bits de parada</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erro %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (erro %2)</translation>
    </message>
</context>
</TS>
