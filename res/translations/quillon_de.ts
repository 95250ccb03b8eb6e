<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Quillon: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillon&apos;s own window has the keyboard focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port the instrument is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
