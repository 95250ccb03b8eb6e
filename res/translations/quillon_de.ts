<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation>Puffergrößen von %1 Bytes</translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation>Der Treiber hat die Lese-Timeouts abgelehnt: %1</translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation>Ein anderes Programm belegt den Anschluss.</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>Der Anschluss ist nicht vorhanden: Das System kennt ihn nicht (mehr).</translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation>Der Treiber hat das Gerät abgelehnt („Gerät funktioniert nicht“, Code 10 im Geräte-Manager), wie es Treiber bei vielen nachgebauten Chips tun: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Quillon tippt, was ein serielles Messgerät (Messschieber, Waage, Barcodescanner)
sendet, in die Anwendung mit dem Tastaturfokus ein oder zeigt es im eigenen
Datenlog an. Qt-Optionen wie -platform und -style werden ebenfalls akzeptiert.</translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation>Quillon %1</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation>Das getrennte Messgerät ist noch nicht wieder angeschlossen.</translation>
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
        <translation>Das Fenster von Quillon selbst hat den Tastaturfokus</translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Klicken Sie in die Anwendung, die die Messwerte erhalten soll. Was nicht eingetippt wurde, steht im Datenlog von Quillon.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation>Quillon hat einen Messwert nicht eingetippt</translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Eine Zusatztaste (Umschalt, Strg, Alt, AltGr oder die Windows-Taste) blieb gedrückt, wodurch der Messwert zu Tastenkombinationen geworden wäre. Was nicht eingetippt wurde, steht im Datenlog von Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation>Quillon kann nicht in andere Anwendungen tippen</translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation>%1. Empfangene Daten werden nicht eingetippt, sondern im Datenlog angezeigt.</translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation>Quillon kann nicht in Wayland-Anwendungen tippen</translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation>%1. Nur X11-Anwendungen erhalten eingetippte Daten; das Datenlog funktioniert wie gewohnt.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation>Quillon hat einen Messwert nicht eingetippt, der während der Berechtigungsabfrage des Desktops kam</translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation>Wo der Tastaturfokus nach der Abfrage liegt, ist nicht bekannt. Der Messwert steht im Datenlog von Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation>Quillon kann vorerst nicht tippen</translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation>%1. Messwerte, die nicht eingetippt werden können, bleiben im Datenlog von Quillon; Quillon versucht es mit jedem neuen Messwert erneut.</translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation>Die Tastaturbelegung kann nicht gelesen werden; Tasten werden nach der zuletzt gelesenen getippt</translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation>Der X-Server hat eine Taste für das Zeichen %1 abgelehnt</translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation>Was nicht eingetippt wurde, steht im Datenlog von Quillon.</translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation>Die Tastaturbelegung hat keine freie Taste für Zeichen, die im Tastaturlayout fehlen</translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation>Die Verbindung zum X-Server ist unterbrochen</translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation>Empfangene Daten werden nicht mehr eingetippt, sondern im Datenlog angezeigt.</translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation>Windows hat das Loslassen einer von Quillon getippten Taste abgelehnt</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation>Das Programm mit dem Fokus läuft womöglich mit höheren Rechten als Quillon (Fehler %1). Quillon versucht es vor der nächsten Taste erneut; bis dahin warten Messwerte im Datenlog von Quillon.</translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation>Windows hat eine Taste abgelehnt</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation>Das Programm mit dem Fokus läuft womöglich mit höheren Rechten als Quillon (Fehler %1). Was nicht eingetippt wurde, steht im Datenlog von Quillon.</translation>
    </message>
    <message>
        <source>no desktop portal on the session bus</source>
        <translation>kein Desktop-Portal auf dem Sitzungsbus</translation>
    </message>
    <message>
        <source>the remote desktop portal did not answer</source>
        <translation>das Remote-Desktop-Portal hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the remote desktop portal no longer takes keys</source>
        <translation>das Remote-Desktop-Portal nimmt keine Tasten mehr an</translation>
    </message>
    <message>
        <source>the remote desktop portal does not take keys</source>
        <translation>das Remote-Desktop-Portal nimmt keine Tasten an</translation>
    </message>
    <message>
        <source>the remote desktop session was ended</source>
        <translation>die Remote-Desktop-Sitzung wurde beendet</translation>
    </message>
    <message>
        <source>the user declined the remote desktop request</source>
        <translation>der Benutzer hat die Remote-Desktop-Anfrage abgelehnt</translation>
    </message>
    <message>
        <source>the remote desktop portal failed</source>
        <translation>im Remote-Desktop-Portal ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>the remote desktop portal refused %1: %2</source>
        <translation>das Remote-Desktop-Portal hat %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>no Wayland display can be reached</source>
        <translation>kein Wayland-Display erreichbar</translation>
    </message>
    <message>
        <source>the compositor does not answer</source>
        <translation>der Compositor antwortet nicht</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)</source>
        <translation>der Compositor bietet keine virtuelle Tastatur an (zwp_virtual_keyboard_manager_v1)</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>der Compositor bietet keinen Seat an</translation>
    </message>
    <message>
        <source>the virtual keyboard&apos;s keymap does not compile</source>
        <translation>die Tastaturbelegung der virtuellen Tastatur lässt sich nicht kompilieren</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>der Compositor hat eine virtuelle Tastatur abgelehnt</translation>
    </message>
    <message>
        <source>the compositor did not take the virtual keyboard&apos;s keymap</source>
        <translation>der Compositor hat die Tastaturbelegung der virtuellen Tastatur nicht angenommen</translation>
    </message>
    <message>
        <source>the compositor does not take the keys</source>
        <translation>der Compositor nimmt die Tasten nicht an</translation>
    </message>
    <message>
        <source>the compositor&apos;s messages cannot be read</source>
        <translation>die Nachrichten des Compositors können nicht gelesen werden</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor is lost</source>
        <translation>die Verbindung zum Wayland-Compositor ist unterbrochen</translation>
    </message>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>kein X-Display (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>the X display cannot be opened</source>
        <translation>das X-Display kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the X server offers no XTEST extension</source>
        <translation>der X-Server bietet keine XTEST-Erweiterung an</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Dieser Benutzer darf den Anschluss nicht verwenden. Treten Sie mit dem Befehl
sudo usermod -aG dialout $USER
der Gruppe dialout bei, und melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation>Ein anderes Programm belegt den Anschluss, oder dieser Benutzer darf ihn nicht verwenden (auf den meisten Systemen ist dafür die Mitgliedschaft in der Gruppe dialout nötig).</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>Der Anschluss ist nicht vorhanden: Das System kennt ihn nicht (mehr).</translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation>Das Gerät hat %1 KiB ohne Zeilenende gesendet</translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation>Bytes vom Gerät sind auf der Leitung verloren gegangen</translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation>Der serielle Anschluss hat Überläufe, Rahmen- oder Paritätsfehler gemeldet. Messwerte mit einer Lücke werden nicht eingetippt, sondern im Datenlog von Quillon angezeigt. Ein Gerät, das mehr als etwa 25 Zeichen pro Sekunde sendet, ist schneller als das Tippen: Stellen Sie es so ein, dass es auf Anforderung oder bei stabilem Wert sendet, oder verwenden Sie das Datenlog.</translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation>%1 (nur „%2“ davon wurde eingetippt)</translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation>Nicht eingetippt (Bytes auf der Leitung verloren): %1</translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation>Nicht eingetippt: %1</translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation>Prüfen Sie seine Einstellung für das Zeilenende. Was es gesendet hat, steht im Datenlog von Quillon.</translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation>[Bytes auf der Leitung verloren]</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation>Was das Messgerät gesendet hat, während „Als Tastatur“ aus ist</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation>Wird mit der Eingabetaste oder „Befehl senden“ an das Messgerät gesendet</translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation>Datenlog</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>Über Quillon</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>The serial port the instrument is on</source>
        <translation>Der serielle Anschluss, an dem das Messgerät angeschlossen ist</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation>Bits/Parität</translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation>Datenbits und Parität</translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation>8/KEINE</translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation>7/KEINE</translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation>7/MARK</translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation>7/SPACE</translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation>7/GERADE</translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation>7/UNGERADE</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation>Handshake: die Flusssteuerung</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Anzeige leeren</translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation>Tippt jeden Messwert in die Anwendung mit dem Fokus ein; wenn aus, gehen die Messwerte ins Datenlog</translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation>Als Tastatur</translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation>Exportmodus</translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation>Fennick tippt die Codes des Messgeräts für Eingabe- und Tabulatortaste als eben diese Tasten</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Send command</source>
        <translation>Befehl senden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation>V1.11 
Entwickelt von Brenvik</translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation>COM-Anschluss konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation>COM-Anschluss konnte nicht geöffnet werden. Prüfen Sie, ob er belegt ist.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation>%1 hat eine Einstellung nicht übernommen</translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation>Der Treiber hat %1 abgelehnt und behält stattdessen seine eigenen Werte; Messwerte können verstümmelt ankommen, wenn das Messgerät nicht dieselben verwendet.</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation>alle Einstellungen (%1)</translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation>die Baudrate %1</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 Datenbits</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>die Flusssteuerung</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>die Parität</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>die Stoppbits</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
</context>
</TS>
