<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation>缓冲区大小 %1 字节</translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation>端口驱动程序拒绝了读取超时设置：%1</translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation>另一个程序正在占用该端口。</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>该端口已不存在：系统中没有（或不再有）此端口。</translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation>端口驱动程序拒绝了该设备（“设备没有发挥作用”，即设备管理器中的“代码 10”），驱动程序对许多仿制芯片都会如此：%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Quillon 将串口仪器（卡尺、秤、条码扫描器）发送的数据键入到拥有键盘焦点的
应用程序中，或显示在其自身的数据日志中。也接受 Qt 自身的选项，例如 -platform
和 -style。</translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation>Quillon %1</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation>断开的仪器尚未重新连接。</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Quillon: %1</source>
        <translation>Quillon：%1</translation>
    </message>
    <message>
        <source>Quillon&apos;s own window has the keyboard focus</source>
        <translation>Quillon 自身的窗口拥有键盘焦点</translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation>请单击应接收读数的应用程序。未键入的内容在 Quillon 的数据日志中。</translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation>Quillon 未能键入读数</translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation>有修饰键（Shift、Ctrl、Alt、AltGr 或 Windows 键）一直处于按下状态，继续键入会把读数变成快捷键。未键入的内容在 Quillon 的数据日志中。</translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation>Quillon 无法向其他应用程序键入</translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation>%1。接收到的数据不会被键入，而是显示在数据日志中。</translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation>Quillon 无法向 Wayland 应用程序键入</translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation>%1。只有 X11 应用程序能接收键入的数据；数据日志照常工作。</translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation>Quillon 未键入在桌面请求授权期间收到的读数</translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation>无法得知询问之后键盘焦点位于何处。该读数在 Quillon 的数据日志中。</translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation>Quillon 暂时无法键入</translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation>%1。无法键入的读数保存在 Quillon 的数据日志中；每收到一个新读数，Quillon 都会重试。</translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation>无法读取键盘映射；按上次读取的键盘映射键入按键</translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation>X 服务器拒绝为字符 %1 分配按键</translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation>未键入的内容在 Quillon 的数据日志中。</translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation>键盘映射中没有空闲键可用于输入当前布局缺少的字符</translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation>与 X 服务器的连接已断开</translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation>接收到的数据不再被键入，而是显示在数据日志中。</translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation>Windows 拒绝释放 Quillon 键入的按键</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation>拥有焦点的程序可能以高于 Quillon 的权限运行（错误 %1）。Quillon 会在下一个按键之前重试；在此期间，读数暂存于 Quillon 的数据日志中。</translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation>Windows 拒绝了一个按键</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation>拥有焦点的程序可能以高于 Quillon 的权限运行（错误 %1）。未键入的内容在 Quillon 的数据日志中。</translation>
    </message>
    <message>
        <source>no desktop portal on the session bus</source>
        <translation>会话总线上没有桌面门户</translation>
    </message>
    <message>
        <source>the remote desktop portal did not answer</source>
        <translation>远程桌面门户未响应</translation>
    </message>
    <message>
        <source>the remote desktop portal no longer takes keys</source>
        <translation>远程桌面门户不再接受按键</translation>
    </message>
    <message>
        <source>the remote desktop portal does not take keys</source>
        <translation>远程桌面门户不接受按键</translation>
    </message>
    <message>
        <source>the remote desktop session was ended</source>
        <translation>远程桌面会话已结束</translation>
    </message>
    <message>
        <source>the user declined the remote desktop request</source>
        <translation>用户拒绝了远程桌面请求</translation>
    </message>
    <message>
        <source>the remote desktop portal failed</source>
        <translation>远程桌面门户出错</translation>
    </message>
    <message>
        <source>the remote desktop portal refused %1: %2</source>
        <translation>远程桌面门户拒绝了 %1：%2</translation>
    </message>
    <message>
        <source>no Wayland display can be reached</source>
        <translation>无法连接到任何 Wayland 显示</translation>
    </message>
    <message>
        <source>the compositor does not answer</source>
        <translation>合成器没有响应</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)</source>
        <translation>合成器未提供虚拟键盘（zwp_virtual_keyboard_manager_v1）</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>合成器未提供座位（wl_seat）</translation>
    </message>
    <message>
        <source>the virtual keyboard&apos;s keymap does not compile</source>
        <translation>无法编译虚拟键盘的键盘映射</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>合成器拒绝了虚拟键盘</translation>
    </message>
    <message>
        <source>the compositor did not take the virtual keyboard&apos;s keymap</source>
        <translation>合成器未接受虚拟键盘的键盘映射</translation>
    </message>
    <message>
        <source>the compositor does not take the keys</source>
        <translation>合成器不接受按键</translation>
    </message>
    <message>
        <source>the compositor&apos;s messages cannot be read</source>
        <translation>无法读取合成器的消息</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor is lost</source>
        <translation>与 Wayland 合成器的连接已断开</translation>
    </message>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>没有 X 显示（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>the X display cannot be opened</source>
        <translation>无法打开 X 显示</translation>
    </message>
    <message>
        <source>the X server offers no XTEST extension</source>
        <translation>X 服务器未提供 XTEST 扩展</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>当前用户无权使用该端口。请用以下命令加入 dialout 组：
sudo usermod -aG dialout $USER
然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation>另一个程序正在占用该端口，或当前用户无权使用它（在大多数系统上，使用串口需要加入 dialout 组）。</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>该端口已不存在：系统中没有（或不再有）此端口。</translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation>设备发送了 %1 KiB 数据，但没有行结束符</translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation>来自设备的字节在线路上丢失</translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation>串口报告了溢出错误、帧错误或校验错误。有缺失的读数不会被键入，而是显示在 Quillon 的数据日志中。每秒发送超过约 25 个字符的设备会超出键入速度：请将其设置为按请求发送或在数值稳定时发送，或者改用数据日志。</translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation>%1（仅键入了其中的“%2”）</translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation>未键入（线路上丢失了字节）：%1</translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation>未键入：%1</translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation>请检查设备的行结束符设置。它发送的内容在 Quillon 的数据日志中。</translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation>[线路上丢失了字节]</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation>“输出到键盘”关闭时仪器发送的内容</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>命令行</translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation>按 Enter 键或“发送命令”发送给仪器</translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation>数据日志</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>关于 Quillon</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>关于 Qt</translation>
    </message>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>The serial port the instrument is on</source>
        <translation>仪器所连接的串口</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation>数据位/校验</translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation>数据位和校验位</translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation>8/无校验</translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation>7/无校验</translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation>7/标记校验</translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation>7/空格校验</translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation>7/偶校验</translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation>7/奇校验</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation>流控</translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation>握手（流控）</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>无</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>清屏</translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation>将每个读数键入到拥有焦点的应用程序中；关闭时，读数显示在数据日志中</translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation>输出到键盘</translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation>输出模式</translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation>Fennick 模式将仪器发送的 Enter 和 Tab 代码作为相应按键键入</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Send command</source>
        <translation>发送命令</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation>V1.11 
由 Brenvik 开发</translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation>打开串口失败</translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation>打开串口失败，请检查串口是否被占用</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation>%1 未接受某项设置</translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation>端口驱动程序拒绝了设置“%1”，仍沿用其自身的设置；如果仪器使用的设置与之不同，读数可能会出现乱码。</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>序列号 %1</translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation>全部设置（%1）</translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation>波特率 %1</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>数据位 %1</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>流控</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>错误 %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1（错误 %2）</translation>
    </message>
</context>
</TS>
