<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation>las colas de %1 bytes</translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation>El controlador del puerto rechazó los tiempos de espera de lectura: %1</translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation>Otro programa está usando el puerto.</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>El puerto ha desaparecido: el sistema no lo detecta (o ya no lo detecta).</translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation>El controlador rechazó el dispositivo («el dispositivo no funciona», código 10 en el Administrador de dispositivos), como hacen los controladores con muchos chips clónicos: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Quillon escribe lo que envía un instrumento serie (un calibre, una balanza, un
lector de códigos de barras) en la aplicación que tiene el foco del teclado, o
lo muestra en su propio registro de datos. También acepta las opciones propias
de Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation>Quillon %1</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation>El instrumento que se perdió todavía no ha vuelto.</translation>
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
        <translation>La propia ventana de Quillon tiene el foco del teclado</translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Haga clic en la aplicación que debe recibir las lecturas. Lo que no se escribió está en el registro de datos de Quillon.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation>Quillon no escribió una lectura</translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Una tecla modificadora (Mayús, Ctrl, Alt, AltGr o la tecla Windows) siguió pulsada, lo que habría convertido la lectura en atajos de teclado. Lo que no se escribió está en el registro de datos de Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation>Quillon no puede escribir en otras aplicaciones</translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation>%1. Los datos recibidos no se escriben, sino que se muestran en el registro de datos.</translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation>Quillon no puede escribir en aplicaciones Wayland</translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation>%1. Solo las aplicaciones X11 reciben los datos escritos; el registro de datos funciona como siempre.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation>Quillon no escribió una lectura que llegó mientras el escritorio pedía permiso</translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation>No se sabe dónde está el foco del teclado después de la pregunta. La lectura está en el registro de datos de Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation>Quillon no puede escribir por ahora</translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation>%1. Las lecturas que no se pueden escribir se guardan en el registro de datos de Quillon; Quillon lo vuelve a intentar con cada lectura nueva.</translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation>No se puede leer el mapa de teclado; las teclas se escriben según el último leído</translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation>El servidor X rechazó una tecla para el carácter %1</translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation>Lo que no se escribió está en el registro de datos de Quillon.</translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation>El mapa de teclado no tiene ninguna tecla libre para los caracteres que faltan en la distribución de teclado</translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation>Se ha perdido la conexión con el servidor X</translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation>Los datos recibidos ya no se escriben, sino que se muestran en el registro de datos.</translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation>Windows no dejó soltar una tecla que Quillon había pulsado</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation>Puede que el programa que tiene el foco se ejecute con más privilegios que Quillon (error %1). Quillon lo vuelve a intentar antes de la siguiente tecla; mientras tanto, las lecturas esperan en el registro de datos de Quillon.</translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation>Windows rechazó una tecla</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation>Puede que el programa que tiene el foco se ejecute con más privilegios que Quillon (error %1). Lo que no se escribió está en el registro de datos de Quillon.</translation>
    </message>
    <message>
        <source>no desktop portal on the session bus</source>
        <translation>no hay ningún portal de escritorio en el bus de sesión</translation>
    </message>
    <message>
        <source>the remote desktop portal did not answer</source>
        <translation>el portal de escritorio remoto no respondió</translation>
    </message>
    <message>
        <source>the remote desktop portal no longer takes keys</source>
        <translation>el portal de escritorio remoto ya no acepta teclas</translation>
    </message>
    <message>
        <source>the remote desktop portal does not take keys</source>
        <translation>el portal de escritorio remoto no acepta teclas</translation>
    </message>
    <message>
        <source>the remote desktop session was ended</source>
        <translation>la sesión de escritorio remoto se cerró</translation>
    </message>
    <message>
        <source>the user declined the remote desktop request</source>
        <translation>el usuario rechazó la solicitud de escritorio remoto</translation>
    </message>
    <message>
        <source>the remote desktop portal failed</source>
        <translation>el portal de escritorio remoto falló</translation>
    </message>
    <message>
        <source>the remote desktop portal refused %1: %2</source>
        <translation>el portal de escritorio remoto rechazó %1: %2</translation>
    </message>
    <message>
        <source>no Wayland display can be reached</source>
        <translation>no se puede acceder a ninguna pantalla Wayland</translation>
    </message>
    <message>
        <source>the compositor does not answer</source>
        <translation>el compositor no responde</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)</source>
        <translation>el compositor no ofrece ningún teclado virtual (zwp_virtual_keyboard_manager_v1)</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>el compositor no ofrece ningún asiento (wl_seat)</translation>
    </message>
    <message>
        <source>the virtual keyboard&apos;s keymap does not compile</source>
        <translation>no se puede compilar el mapa del teclado virtual</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>el compositor rechazó un teclado virtual</translation>
    </message>
    <message>
        <source>the compositor did not take the virtual keyboard&apos;s keymap</source>
        <translation>el compositor no aceptó el mapa del teclado virtual</translation>
    </message>
    <message>
        <source>the compositor does not take the keys</source>
        <translation>el compositor no acepta las teclas</translation>
    </message>
    <message>
        <source>the compositor&apos;s messages cannot be read</source>
        <translation>no se pueden leer los mensajes del compositor</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor is lost</source>
        <translation>se ha perdido la conexión con el compositor Wayland</translation>
    </message>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>no hay pantalla X (la variable DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>the X display cannot be opened</source>
        <translation>no se puede abrir la pantalla X</translation>
    </message>
    <message>
        <source>the X server offers no XTEST extension</source>
        <translation>el servidor X no ofrece la extensión XTEST</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Este usuario no tiene permiso para usar el puerto. Añádalo al grupo dialout con el comando
sudo usermod -aG dialout $USER
y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation>Otro programa está usando el puerto, o este usuario no tiene permiso para usarlo (en la mayoría de los sistemas hace falta pertenecer al grupo dialout).</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>El puerto ha desaparecido: el sistema no lo detecta (o ya no lo detecta).</translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation>El dispositivo envió %1 KiB sin fin de línea</translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation>Se perdieron bytes del dispositivo en la línea</translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation>El puerto serie informó de desbordamientos o de errores de trama o de paridad. Las lecturas con un hueco no se escriben, sino que se muestran en el registro de datos de Quillon. Un dispositivo que envía más de unos 25 caracteres por segundo va más rápido que la escritura: configúrelo para que envíe a petición o con el valor estable, o use el registro de datos.</translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation>%1 (solo se escribió «%2»)</translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation>No escrito (se perdieron bytes en la línea): %1</translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation>No escrito: %1</translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation>Revise el ajuste de fin de línea del dispositivo. Lo que envió está en el registro de datos de Quillon.</translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation>[se perdieron bytes en la línea]</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation>Lo que envió el instrumento mientras «Al teclado» está desactivado</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Línea de comandos</translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation>Se envía al instrumento con Intro o «Enviar comando»</translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>Acerca de Quillon</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
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
        <translation>El puerto serie al que está conectado el instrumento</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudios</translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation>Bits/Paridad</translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation>Bits de datos y paridad</translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation>8/NINGUNA</translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation>7/NINGUNA</translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation>7/MARCA</translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation>7/ESPACIO</translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation>7/PAR</translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation>7/IMPAR</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation>Control flujo</translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation>Control de flujo (handshake)</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NINGUNO</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation>Escribe cada lectura en la aplicación que tiene el foco; si está desactivado, las lecturas van al registro de datos</translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation>Al teclado</translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation>Modo salida</translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation>Fennick escribe los códigos de Intro y Tab del instrumento como esas teclas</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Send command</source>
        <translation>Enviar comando</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation>V1.11 
Desarrollado por Brenvik</translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation>No se pudo abrir el puerto COM</translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation>No se pudo abrir el puerto COM; compruebe si está ocupado</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>No se pudo abrir %1</translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation>%1 no aceptó un ajuste</translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation>El controlador rechazó %1 y conserva su propio valor; las lecturas pueden salir alteradas si el instrumento no usa el mismo.</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Número de serie %1</translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation>todos los ajustes (%1)</translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation>la velocidad de %1 baudios</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 bits de datos</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>el control de flujo</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>la paridad</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>los bits de parada</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (error %2)</translation>
    </message>
</context>
</TS>
