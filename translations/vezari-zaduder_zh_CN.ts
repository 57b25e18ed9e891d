<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>%1 was stopped before it moved</source>
        <translation>%1 在落子前被停止</translation>
    </message>
    <message>
        <source>%1 gave no move: %2</source>
        <translation>%1 没有给出着法：%2</translation>
    </message>
    <message>
        <source>%1 played an illegal move (%2); it was refused</source>
        <translation>%1 走了不合法的着法（%2），已被拒绝</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>过</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>The web page %1 could not be opened.</source>
        <translation>无法打开网页 %1。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TAnalysisController</name>
    <message>
        <source>Solving the endgame exactly (empty squares: %1)...</source>
        <translation>正在精确求解终局（空格：%1）...</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>分析失败：%1</translation>
    </message>
    <message>
        <source>%1; the computer plays on by itself.</source>
        <translation>%1；电脑自行继续下棋。</translation>
    </message>
    <message>
        <source>Analyst Player</source>
        <translation>分析器对手</translation>
    </message>
    <message>
        <source>Seconds per move:</source>
        <translation>每步秒数：</translation>
    </message>
    <message>
        <source>Play book moves within this many discs of the best (0: the best only):</source>
        <translation>走开局库中与最佳着法相差不超过此子数的着法（0：只走最佳）：</translation>
    </message>
    <message>
        <source>Perfect Endgame</source>
        <translation>终局完美计算</translation>
    </message>
    <message>
        <source>Empty squares solved exactly:</source>
        <translation>精确求解的空格数：</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Show the best move</source>
        <translation>显示最佳着法</translation>
    </message>
    <message>
        <source>Analyse Game...</source>
        <translation>分析对局...</translation>
    </message>
    <message>
        <source>Review every move of the game</source>
        <translation>复盘对局的每一步</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>对战...</translation>
    </message>
    <message>
        <source>Play two engines against each other</source>
        <translation>让两个引擎相互对弈</translation>
    </message>
    <message>
        <source>Engines...</source>
        <translation>引擎...</translation>
    </message>
    <message>
        <source>Add and remove the external engines that can play</source>
        <translation>添加和删除可对弈的外部引擎</translation>
    </message>
    <message>
        <source>Engine Opponent</source>
        <translation>引擎对手</translation>
    </message>
    <message>
        <source>None (the game&apos;s own player)</source>
        <translation>无（游戏自带的棋手）</translation>
    </message>
    <message>
        <source>Hint from the Engine</source>
        <translation>引擎提示</translation>
    </message>
    <message>
        <source>Solve the Endgame</source>
        <translation>精确求解终局</translation>
    </message>
    <message>
        <source>The computer plays perfectly in the last empties</source>
        <translation>电脑在最后的空格中下出完美着法</translation>
    </message>
    <message>
        <source>How many empty squares the computer solves</source>
        <translation>电脑精确求解的空格数</translation>
    </message>
    <message>
        <source>Move Values</source>
        <translation>着法估值</translation>
    </message>
    <message>
        <source>Show the value of every legal move</source>
        <translation>显示每个合法着法的估值</translation>
    </message>
    <message>
        <source>Empty Squares: %1...</source>
        <translation>空格数：%1...</translation>
    </message>
    <message>
        <source>Seconds per Move: %1...</source>
        <translation>每步秒数：%1...</translation>
    </message>
    <message>
        <source>Book Moves within %1 Discs...</source>
        <translation>相差 %1 子以内的开局库着法...</translation>
    </message>
    <message>
        <source>Asking %1 for a hint...</source>
        <translation>正在向 %1 请求提示...</translation>
    </message>
    <message>
        <source>%1 has no hint here.</source>
        <translation>%1 在此没有提示。</translation>
    </message>
    <message>
        <source>%1 suggests %2.</source>
        <translation>%1 建议 %2。</translation>
    </message>
    <message>
        <source>The game has changed since it was analysed</source>
        <translation>分析后对局已改变</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>电脑棋手</translation>
    </message>
    <message>
        <source>The Levels (Level...)</source>
        <translation>级别（级别...）</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>分析器：强</translation>
    </message>
    <message>
        <source>Analyst: Good (loses up to 2 discs a move)</source>
        <translation>分析器：良好（每步最多损失 2 子）</translation>
    </message>
    <message>
        <source>Analyst: Club (loses up to 4 discs a move)</source>
        <translation>分析器：俱乐部（每步最多损失 4 子）</translation>
    </message>
    <message>
        <source>Analyst: Beginner (loses up to 8 discs a move)</source>
        <translation>分析器：新手（每步最多损失 8 子）</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>过</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>精确</translation>
    </message>
    <message>
        <source>%1 ply search</source>
        <translation>搜索 %1 步</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 discs (%3), %4 nodes: %5</source>
        <translation>分析器：%1，%2 子（%3），%4 个节点：%5</translation>
    </message>
    <message>
        <source>book</source>
        <translation>开局库</translation>
    </message>
    <message>
        <source>Analysis Threads</source>
        <translation>分析线程</translation>
    </message>
    <message>
        <source>Threads for the hint, the move values, the review and the analyst player
(this computer has %1 processors):</source>
        <translation>用于提示、着法评分、棋局复盘和分析器对手的线程数
(本机有 %1 个处理器):</translation>
    </message>
    <message>
        <source>How many processors the analysis uses</source>
        <translation>分析使用的处理器数量</translation>
    </message>
    <message>
        <source>Analysis Threads: %1...</source>
        <translation>分析线程: %1...</translation>
    </message>
</context>
<context>
    <name>TBoardPictures</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>PNG image, discs numbered by move (*.png)</source>
        <translation>PNG 图像，棋子标注步数 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 图形 (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing, discs numbered by move (*.svg)</source>
        <translation>SVG 图形，棋子标注步数 (*.svg)</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>导出棋盘</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>无法将图像写入 %1：%2。</translation>
    </message>
</context>
<context>
    <name>TBoardStyle</name>
    <message>
        <source>Board Style</source>
        <translation>棋盘样式</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木纹</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>高对比度</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>跟随桌面</translation>
    </message>
</context>
<context>
    <name>TClockController</name>
    <message>
        <source>Clock</source>
        <translation>棋钟</translation>
    </message>
    <message>
        <source>White&apos;s clock</source>
        <translation>白棋棋钟</translation>
    </message>
    <message>
        <source>Black&apos;s clock</source>
        <translation>黑棋棋钟</translation>
    </message>
    <message>
        <source>No Clock</source>
        <translation>不用棋钟</translation>
    </message>
    <message>
        <source>1 Minute per Side</source>
        <translation>每方 1 分钟</translation>
    </message>
    <message>
        <source>5 Minutes per Side</source>
        <translation>每方 5 分钟</translation>
    </message>
    <message>
        <source>10 Minutes per Side</source>
        <translation>每方 10 分钟</translation>
    </message>
    <message>
        <source>15 Minutes per Side</source>
        <translation>每方 15 分钟</translation>
    </message>
    <message>
        <source>A clock for each side&apos;s whole game; the computer keeps to its own</source>
        <translation>每方整局一个棋钟；电脑也遵守自己的用时</translation>
    </message>
    <message>
        <source>White&apos;s time is up — Black wins</source>
        <translation>白棋超时 — 黑棋胜</translation>
    </message>
    <message>
        <source>Black&apos;s time is up — White wins</source>
        <translation>黑棋超时 — 白棋胜</translation>
    </message>
    <message>
        <source>Black wins on time</source>
        <translation>黑棋超时胜</translation>
    </message>
    <message>
        <source>White wins on time</source>
        <translation>白棋超时胜</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>只能打开一个棋谱文件。</translation>
    </message>
    <message>
        <source>The game file&apos;s name is empty.</source>
        <translation>棋谱文件名为空。</translation>
    </message>
    <message>
        <source>Usage: vezari-zaduder [OPTION]... [FILE]
Play Reversi (Othello) against the computer or with a friend on one board.

FILE, a saved game (.RGM, GGF or a move list such as &quot;f5 d6 c3&quot;), is
opened once the window is up, as File &gt; Open opens it; a file that cannot be
opened leaves a new game and says why.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options, such as -platform, -style and -qwindowgeometry, are
accepted too. The settings are kept in Reversi.ini beside the program when
it runs from a folder of its own that it may write, otherwise (installed)
in $XDG_CONFIG_HOME/vezari-zaduder (~/.config/vezari-zaduder).

man vezari-zaduder tells how to play: the keys, the levels, the files.
</source>
        <translation>用法：vezari-zaduder [选项]... [文件]
与电脑对弈黑白棋（奥赛罗），或与朋友在同一棋盘上对弈。

文件（保存的棋谱：.RGM、GGF 或 &quot;f5 d6 c3&quot; 这样的着法列表）在窗口出现后
打开，与“文件 &gt; 打开”相同；无法打开的文件会保留一局新棋并说明原因。

选项：
  -h, --help     显示此帮助并退出
  -v, --version  显示版本并退出

也接受 Qt 自身的选项，如 -platform、-style 和 -qwindowgeometry。程序从其可写的
专用文件夹运行时，设置保存在程序旁的 Reversi.ini 中，否则（已安装时）保存在
$XDG_CONFIG_HOME/vezari-zaduder（~/.config/vezari-zaduder）中。

man vezari-zaduder 介绍玩法：按键、级别和文件。
</translation>
    </message>
    <message>
        <source>the version data cannot be read from %1</source>
        <translation>无法从 %1 读取版本信息</translation>
    </message>
</context>
<context>
    <name>TEnginesDialog</name>
    <message>
        <source>Engines</source>
        <translation>引擎</translation>
    </message>
    <message>
        <source>the engine&apos;s own name when empty</source>
        <translation>为空时使用引擎自己的名称</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>检测</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>命令行：</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>协议：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Give the engine&apos;s command line.</source>
        <translation>请输入引擎的命令行。</translation>
    </message>
    <message>
        <source>No more than %1 engines can be registered.</source>
        <translation>最多只能登记 %1 个引擎。</translation>
    </message>
    <message>
        <source>Asking %1 which protocol it speaks...</source>
        <translation>正在询问 %1 使用的协议...</translation>
    </message>
    <message>
        <source>%1 was not added: %2</source>
        <translation>%1 未添加：%2</translation>
    </message>
    <message>
        <source>%1 added (%2).</source>
        <translation>已添加 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>已删除 %1。</translation>
    </message>
</context>
<context>
    <name>TEvalGraph</name>
    <message>
        <source>Value of the position for Black; click to show it</source>
        <translation>局面对黑棋的估值；点击以显示该局面</translation>
    </message>
    <message>
        <source>Black ahead above the line</source>
        <translation>线以上黑棋领先</translation>
    </message>
</context>
<context>
    <name>TFileReason</name>
    <message>
        <source>no file name was given</source>
        <translation>未给出文件名</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>the file is far too large to be a game</source>
        <translation>文件太大，不可能是棋谱</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>the computer is thinking</source>
        <translation>电脑正在思考</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>无法创建文件：%1</translation>
    </message>
    <message>
        <source>the file cannot be replaced: %1</source>
        <translation>无法替换文件：%1</translation>
    </message>
    <message>
        <source>the file cannot be written (is the disk full?)</source>
        <translation>无法写入文件（磁盘满了吗？）</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 不是整数</translation>
    </message>
    <message>
        <source>the move count %1 is not between %2 and %3</source>
        <translation>步数 %1 不在 %2 和 %3 之间</translation>
    </message>
    <message>
        <source>the current move %1 is not between %2 and %3</source>
        <translation>当前步 %1 不在 %2 和 %3 之间</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a legal move</source>
        <translation>第 %1 步（%2）不是合法着法</translation>
    </message>
    <message>
        <source>move %1, %2 (%3) is not a legal move</source>
        <translation>第 %1 步，%2（%3）不是合法着法</translation>
    </message>
    <message>
        <source>numbers follow the current move</source>
        <translation>当前着法之后还有数字</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>the file cannot be written: %1</source>
        <translation>无法写入文件：%1</translation>
    </message>
    <message>
        <source>the file is far too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <source>the file holds a NUL byte</source>
        <translation>文件含有 NUL 字节</translation>
    </message>
    <message>
        <source>the file would be far too large</source>
        <translation>文件会太大</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>another copy of the program (process %1) is writing it</source>
        <translation>程序的另一个副本（进程 %1）正在写入它</translation>
    </message>
    <message>
        <source>move %1, %2: %3</source>
        <translation>第 %1 步，%2：%3</translation>
    </message>
    <message>
        <source>not a square</source>
        <translation>不是棋盘格</translation>
    </message>
    <message>
        <source>it is Black&apos;s turn</source>
        <translation>轮到黑棋</translation>
    </message>
    <message>
        <source>it is White&apos;s turn</source>
        <translation>轮到白棋</translation>
    </message>
    <message>
        <source>not a legal move for Black</source>
        <translation>不是黑棋的合法着法</translation>
    </message>
    <message>
        <source>not a legal move for White</source>
        <translation>不是白棋的合法着法</translation>
    </message>
    <message>
        <source>Black has a legal move and cannot pass</source>
        <translation>黑棋有合法着法，不能弃权</translation>
    </message>
    <message>
        <source>White has a legal move and cannot pass</source>
        <translation>白棋有合法着法，不能弃权</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>对局已结束</translation>
    </message>
    <message>
        <source>the text is far too long to be a game</source>
        <translation>文本太长，不可能是棋谱</translation>
    </message>
    <message>
        <source>the text is far too long to be a board</source>
        <translation>文本太长，不可能是棋盘</translation>
    </message>
    <message>
        <source>the board has %1 squares, not %2, and no side to move</source>
        <translation>棋盘有 %1 格而不是 %2 格，且没有轮走方</translation>
    </message>
    <message>
        <source>square %1: %2</source>
        <translation>格 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not X, O or -</source>
        <translation>%1 不是 X、O 或 -</translation>
    </message>
    <message>
        <source>the side to move (X or O) is missing after the %1 squares</source>
        <translation>%1 格之后缺少轮走方（X 或 O）</translation>
    </message>
    <message>
        <source>%1 is not a side to move (X or O)</source>
        <translation>%1 不是轮走方（X 或 O）</translation>
    </message>
    <message>
        <source>unexpected %1 after the side to move</source>
        <translation>轮走方之后出现意外的 %1</translation>
    </message>
    <message>
        <source>no GGF game: %1</source>
        <translation>不是 GGF 棋谱：%1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>the game does not end with %1</source>
        <translation>棋谱不以 %1 结尾</translation>
    </message>
    <message>
        <source>the game is %1, not Othello</source>
        <translation>游戏是 %1，不是黑白棋</translation>
    </message>
    <message>
        <source>unexpected %1 at character %2</source>
        <translation>第 %2 个字符处出现意外的 %1</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>剪贴板中没有文本</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a key nor a comment</source>
        <translation>第 %1 行既不是节，也不是键，也不是注释</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>%1 缺少 %2</translation>
    </message>
    <message>
        <source>%1 holds twice %2</source>
        <translation>%1 两次包含 %2</translation>
    </message>
    <message>
        <source>%1 holds the unknown key %2</source>
        <translation>%1 包含未知的键 %2</translation>
    </message>
    <message>
        <source>its format %1 is not one this program knows</source>
        <translation>本程序不认识其格式 %1</translation>
    </message>
    <message>
        <source>%1 has no readable name</source>
        <translation>%1 没有可读的名称</translation>
    </message>
    <message>
        <source>%1 names an opponent again</source>
        <translation>%1 重复列出了一个对手</translation>
    </message>
    <message>
        <source>it names more than %1 opponents</source>
        <translation>其中的对手超过 %1 个</translation>
    </message>
    <message>
        <source>%1 in %2 is not a count of games</source>
        <translation>%2 中的 %1 不是对局数</translation>
    </message>
    <message>
        <source>%1 in %2 is not the sum of its games&apos; margins</source>
        <translation>%2 中的 %1 不是其对局子差之和</translation>
    </message>
    <message>
        <source>it holds keys before its first section</source>
        <translation>在第一个节之前有键</translation>
    </message>
    <message>
        <source>it holds the unknown section %1</source>
        <translation>包含未知的节 %1</translation>
    </message>
    <message>
        <source>it lacks the section %1</source>
        <translation>缺少节 %1</translation>
    </message>
    <message>
        <source>it cannot be read as an INI file</source>
        <translation>无法作为 INI 文件读取</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>内存不足，无法读取</translation>
    </message>
    <message>
        <source>its lock cannot be created: %1</source>
        <translation>无法创建其锁文件：%1</translation>
    </message>
</context>
<context>
    <name>TGameFiles</name>
    <message>
        <source>All Games (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</source>
        <translation>所有棋谱 (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</translation>
    </message>
    <message>
        <source>Game Files (*.RGM);;GGF Games (*.ggf);;Text (*.txt);;All Files (*)</source>
        <translation>棋谱文件 (*.RGM);;GGF 棋谱 (*.ggf);;文本 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>GGF Games (*.ggf)</source>
        <translation>GGF 棋谱 (*.ggf)</translation>
    </message>
    <message>
        <source>Reversi Game Files (*.RGM)</source>
        <translation>黑白棋棋谱文件 (*.RGM)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>保存当前对局</translation>
    </message>
    <message>
        <source>Copy Game</source>
        <translation>复制棋谱</translation>
    </message>
    <message>
        <source>Copy the moves of the game</source>
        <translation>复制对局的着法</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>复制局面</translation>
    </message>
    <message>
        <source>Copy the position on the board</source>
        <translation>复制棋盘上的局面</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Take a move list, a board or a GGF game from the clipboard</source>
        <translation>从剪贴板读取着法列表、棋盘或 GGF 棋谱</translation>
    </message>
    <message>
        <source>Set Up Position...</source>
        <translation>摆放局面...</translation>
    </message>
    <message>
        <source>Start a game from a position of your own</source>
        <translation>从自己摆的局面开始对局</translation>
    </message>
    <message>
        <source>The game could not be opened: the computer is thinking.
The current game is kept.</source>
        <translation>无法打开棋谱：电脑正在思考。
当前对局保持不变。</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; could not be opened: %2.
The current game is kept.</source>
        <translation>无法打开棋谱“%1”：%2。
当前对局保持不变。</translation>
    </message>
    <message>
        <source>The game could not be saved: the computer is thinking.</source>
        <translation>无法保存棋谱：电脑正在思考。</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>无法将棋谱保存到“%1”：%2。</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played: %1.
The current game is kept.</source>
        <translation>剪贴板中没有可下的棋谱：%1。
当前对局保持不变。</translation>
    </message>
</context>
<context>
    <name>TGameReview</name>
    <message>
        <source>Game Review</source>
        <translation>对局复盘</translation>
    </message>
    <message>
        <source>Values in discs by the analyst (%1 s per position). A move losing %2 discs or more against the best is a mistake, marked red.</source>
        <translation>分析器给出的以子数计的估值（每个局面 %1 秒）。比最佳着法损失 %2 子或更多的着法是错着，以红色标出。</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>步</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>棋手</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>实战</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>Best value</source>
        <translation>最佳估值</translation>
    </message>
    <message>
        <source>Played value</source>
        <translation>实战估值</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>损失</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深度</translation>
    </message>
    <message>
        <source>Analysing...</source>
        <translation>正在分析...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>分析失败：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Done; * marks exact values</source>
        <translation>完成；* 表示精确值</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑棋</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白棋</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>精确</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>THintControl</name>
    <message>
        <source>The analysis failed: %1</source>
        <translation>分析失败：%1</translation>
    </message>
    <message>
        <source>Hint: thinking...</source>
        <translation>提示：思考中...</translation>
    </message>
    <message>
        <source>Hint: the game is over</source>
        <translation>提示：对局已结束</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>提示：过</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (exact)</source>
        <translation>提示：%1，%2 子（精确）</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (%3 ply search)</source>
        <translation>提示：%1，%2 子（搜索 %3 步）</translation>
    </message>
    <message>
        <source>Move values in discs: exact (*)</source>
        <translation>着法估值（子数）：精确 (*)</translation>
    </message>
    <message>
        <source>Move values in discs: %1 ply search</source>
        <translation>着法估值（子数）：搜索 %1 步</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <source>The rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Black moves first. A move puts a disc on an empty square so that it encloses one or more lines of the opponent&apos;s discs, across, down or diagonally, with another disc of the mover&apos;s at the far end; every disc enclosed turns over. A side with no such move passes. When neither side can move the game is over, and whoever has more discs wins.</source>
        <translation>黑棋先行。落子须放在空格上，使其在横、竖或斜方向上与己方另一枚棋子夹住一行或多行对方棋子；被夹住的棋子全部翻转。无处可下的一方弃权（过）。双方都无法落子时对局结束，棋子多者获胜。</translation>
    </message>
    <message>
        <source>You play the colour chosen in the File menu, New Game as Black or New Game as White, and the computer answers each move; when you play White, the computer opens the game. Press Space to have the computer play the side to move instead; Edit &gt; Two Player lets two people share the board.</source>
        <translation>您执在“文件”菜单中选择的颜色（执黑新对局或执白新对局），电脑应对每一步；您执白时由电脑先走。按空格键可让电脑代替轮走方落子；“编辑 &gt; 双人对弈”可让两人共用一个棋盘。</translation>
    </message>
    <message>
        <source>The keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>单击</translation>
    </message>
    <message>
        <source>play a legal square</source>
        <translation>在合法格落子</translation>
    </message>
    <message>
        <source>A letter and a digit</source>
        <translation>一个字母加一个数字</translation>
    </message>
    <message>
        <source>play the square of that name, such as d3</source>
        <translation>在该名称的格落子，例如 d3</translation>
    </message>
    <message>
        <source>Arrow keys, Enter</source>
        <translation>方向键、回车</translation>
    </message>
    <message>
        <source>move the cursor on the board, play the square under it</source>
        <translation>在棋盘上移动光标，在其所在格落子</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>the computer moves now, or plays the side to move</source>
        <translation>电脑立即落子，或代替轮走方落子</translation>
    </message>
    <message>
        <source>a hint: the best move is marked on the board</source>
        <translation>提示：在棋盘上标出最佳着法</translation>
    </message>
    <message>
        <source>Delete, Insert</source>
        <translation>Delete、Insert</translation>
    </message>
    <message>
        <source>take back a move, play it again</source>
        <translation>悔一步，重走一步</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>the level: time per move, a fixed depth, or no limit</source>
        <translation>级别：每步时间、固定深度或无限制</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Ctrl+C、Ctrl+V</translation>
    </message>
    <message>
        <source>copy the game as a move list, paste a game or a board</source>
        <translation>将对局复制为着法列表，粘贴棋谱或棋盘</translation>
    </message>
    <message>
        <source>The panels</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>对局</translation>
    </message>
    <message>
        <source>the discs of each side and who is to move</source>
        <translation>双方的棋子数和轮到谁走</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>the computer&apos;s thinking: the move it considers, its best move and evaluation (in discs, for the side it plays; positive is good for it), the depth and the positions searched</source>
        <translation>电脑的思考：正在考虑的着法、最佳着法及其估值（以子数计，针对电脑所执一方；正值对其有利）、深度和已搜索的局面数</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>最佳变化</translation>
    </message>
    <message>
        <source>the moves it expects next, one line for each depth</source>
        <translation>电脑预计的后续着法，每个深度一行</translation>
    </message>
    <message>
        <source>The manual page (man vezari-zaduder) says more.</source>
        <translation>更多内容见手册页（man vezari-zaduder）。</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>玩法</translation>
    </message>
</context>
<context>
    <name>TLevelFrm</name>
    <message numerus="yes">
        <source>%n seconds per move</source>
        <translation>
            <numerusform>每步 %n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Time per move</source>
        <translation>每步时间</translation>
    </message>
    <message>
        <source>Fixed depth search</source>
        <translation>固定深度搜索</translation>
    </message>
    <message>
        <source>Infinite time</source>
        <translation>无限时间</translation>
    </message>
    <message>
        <source>Gamma Selectivity</source>
        <translation>Gamma 选择性</translation>
    </message>
    <message>
        <source>Maximum Selective Depth</source>
        <translation>最大选择性深度</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Analyst as opponent</source>
        <translation>分析器对手</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>每步秒数</translation>
    </message>
    <message>
        <source>Book margin (discs)</source>
        <translation>开局库容差（子）</translation>
    </message>
    <message>
        <source>Book moves within this many discs of the book&apos;s best are played at random</source>
        <translation>与开局库最佳着法相差不超过此子数的着法随机选用</translation>
    </message>
</context>
<context>
    <name>TLibraryPanel</name>
    <message>
        <source>Move</source>
        <translation>着法</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>局数</translation>
    </message>
    <message>
        <source>Mean margin</source>
        <translation>平均子差</translation>
    </message>
    <message>
        <source>Moves played next</source>
        <translation>后续着法</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>对局</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑棋</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白棋</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>比赛</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>比分</translation>
    </message>
    <message>
        <source>Games that reached the position</source>
        <translation>出现过此局面的对局</translation>
    </message>
    <message>
        <source>No library is open (File &gt; Open Library...).</source>
        <translation>未打开棋谱库（文件 &gt; 打开棋谱库...）。</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of the library reached this position.</source>
        <translation>
            <numerusform>棋谱库中有 %n 局出现过此局面。</numerusform>
        </translation>
    </message>
    <message>
        <source>No game of the library reached this position.</source>
        <translation>棋谱库中没有对局出现过此局面。</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 不是合法着法</translation>
    </message>
    <message>
        <source>Black plays %1</source>
        <translation>黑棋落子 %1</translation>
    </message>
    <message>
        <source>White plays %1</source>
        <translation>白棋落子 %1</translation>
    </message>
    <message>
        <source>Black has no legal move and passes</source>
        <translation>黑棋无处可下，弃权</translation>
    </message>
    <message>
        <source>White has no legal move and passes</source>
        <translation>白棋无处可下，弃权</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.

Close without saving them?</source>
        <translation>无法将设置保存到 %1：%2。

不保存设置就关闭吗？</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新对局(&amp;N)</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>开始新对局</translation>
    </message>
    <message>
        <source>Export Board...</source>
        <translation>导出棋盘...</translation>
    </message>
    <message>
        <source>Save a picture of the board as PNG or SVG</source>
        <translation>将棋盘图像保存为 PNG 或 SVG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>玩法(&amp;P)</translation>
    </message>
    <message>
        <source>The rules, the keys and what the panels show</source>
        <translation>规则、按键和各面板显示的内容</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Display about box</source>
        <translation>显示程序信息</translation>
    </message>
    <message>
        <source>Level...</source>
        <translation>级别...</translation>
    </message>
    <message>
        <source>Set level of play</source>
        <translation>设置棋力级别</translation>
    </message>
    <message>
        <source>Strict Time Limit</source>
        <translation>严格限时</translation>
    </message>
    <message>
        <source>Never think longer than the time per move</source>
        <translation>思考时间绝不超过每步时间</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>双人对弈</translation>
    </message>
    <message>
        <source>Two player mode</source>
        <translation>两人在同一棋盘上对弈</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>悔一步</translation>
    </message>
    <message>
        <source>Take back a move</source>
        <translation>悔一步棋</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>重走一步</translation>
    </message>
    <message>
        <source>Move forward one move</source>
        <translation>重走一步悔掉的棋</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>立即落子</translation>
    </message>
    <message>
        <source>Force the computer to play</source>
        <translation>让电脑立即落子</translation>
    </message>
    <message>
        <source>Copy Board as Image</source>
        <translation>将棋盘复制为图像</translation>
    </message>
    <message>
        <source>Copy a picture of the board</source>
        <translation>复制棋盘图像</translation>
    </message>
    <message>
        <source>Show Thinking</source>
        <translation>显示思考</translation>
    </message>
    <message>
        <source>Display the candidate move</source>
        <translation>显示候选着法</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>显示合法着法</translation>
    </message>
    <message>
        <source>Display all legal moves</source>
        <translation>显示所有合法着法</translation>
    </message>
    <message>
        <source>Show Flipable Discs</source>
        <translation>显示可翻转的棋子</translation>
    </message>
    <message>
        <source>Diplay the disc that would be flipped</source>
        <translation>显示落子后会被翻转的棋子</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Display the game statistics</source>
        <translation>显示搜索统计</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>显示最佳变化</translation>
    </message>
    <message>
        <source>Display the best line of play</source>
        <translation>显示最佳着法序列</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>Show the letters and digits of the squares around the board</source>
        <translation>在棋盘周围显示格子的字母和数字</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Make a sound after each move</source>
        <translation>每步之后播放声音</translation>
    </message>
    <message>
        <source>Selective</source>
        <translation>选择性</translation>
    </message>
    <message>
        <source>Selective search</source>
        <translation>选择性搜索</translation>
    </message>
</context>
<context>
    <name>TMatchWindow</name>
    <message>
        <source>forfeit by %1: %2</source>
        <translation>%1 判负：%2</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>平局</translation>
    </message>
    <message>
        <source>Black wins by %1</source>
        <translation>黑棋胜 %1 子</translation>
    </message>
    <message>
        <source>White wins by %1</source>
        <translation>白棋胜 %1 子</translation>
    </message>
    <message>
        <source>Game %1: %2 (Black) - %3 (White): %4</source>
        <translation>第 %1 局：%2（黑棋）- %3（白棋）：%4</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>对战</translation>
    </message>
    <message>
        <source>analyst, levels:LEVEL (1 to 12), or gtp: and the command line of a GTP engine</source>
        <translation>analyst、levels:级别（1 到 12），或 gtp: 加 GTP 引擎的命令行</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>每步秒数</translation>
    </message>
    <message>
        <source>Depth per move</source>
        <translation>每步深度</translation>
    </message>
    <message>
        <source>Of real games</source>
        <translation>取自实战</translation>
    </message>
    <message>
        <source>Balanced starts from seed</source>
        <translation>均衡开局，种子</translation>
    </message>
    <message>
        <source>Balanced starts: random openings of 8 to 12 moves the analyst judges within two discs</source>
        <translation>均衡开局：分析器判定相差两子以内的 8 到 12 步随机开局</translation>
    </message>
    <message>
        <source>a file to save every game in (GGF), or nothing</source>
        <translation>保存每局棋谱的文件（GGF），或留空</translation>
    </message>
    <message>
        <source>First player:</source>
        <translation>第一位棋手：</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>第二位棋手：</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>局数：</translation>
    </message>
    <message>
        <source>Each move:</source>
        <translation>每步：</translation>
    </message>
    <message>
        <source>Openings:</source>
        <translation>开局：</translation>
    </message>
    <message>
        <source>Save games:</source>
        <translation>保存棋谱：</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>棋手</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>局数</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>平</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>负</translation>
    </message>
    <message>
        <source>Forfeits</source>
        <translation>判负</translation>
    </message>
    <message>
        <source>Disc margin</source>
        <translation>子差</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分率</translation>
    </message>
    <message>
        <source>Margin and score with the half-width of their 95% interval</source>
        <translation>子差和得分率，以及其 95% 置信区间的半宽</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source> (second)</source>
        <translation>（第二位）</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>对弈中...</translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n game(s).</source>
        <translation>
            <numerusform>已在 %n 局后停止。</numerusform>
        </translation>
    </message>
    <message>
        <source>Match over.</source>
        <translation>对战结束。</translation>
    </message>
    <message>
        <source>%1 ± %2</source>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>%1% ± %2</source>
        <translation>%1% ± %2</translation>
    </message>
    <message>
        <source>The games cannot be saved in %1.</source>
        <translation>无法将棋谱保存到 %1。</translation>
    </message>
</context>
<context>
    <name>TMoveList</name>
    <message>
        <source>pass</source>
        <translation>过</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>着法</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>对局着法</translation>
    </message>
    <message>
        <source>&amp;Copy Moves</source>
        <translation>复制着法(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>着法列表(&amp;M)</translation>
    </message>
    <message>
        <source>Show the game&apos;s moves beside the board; pick one to go there</source>
        <translation>在棋盘旁显示对局着法；选择一步即可跳到该处</translation>
    </message>
</context>
<context>
    <name>TNewGameChoice</name>
    <message>
        <source>New Game as Blac&amp;k</source>
        <translation>执黑新对局(&amp;K)</translation>
    </message>
    <message>
        <source>New game against the computer, you play Black</source>
        <translation>与电脑开始新对局，您执黑</translation>
    </message>
    <message>
        <source>New Game as &amp;White</source>
        <translation>执白新对局(&amp;W)</translation>
    </message>
    <message>
        <source>New game against the computer, which opens with Black</source>
        <translation>与电脑开始新对局，电脑执黑先行</translation>
    </message>
    <message>
        <source>New &amp;Two-Player Game</source>
        <translation>双人新对局(&amp;T)</translation>
    </message>
    <message>
        <source>New game for two players at this board</source>
        <translation>在此棋盘上开始双人对局</translation>
    </message>
</context>
<context>
    <name>TOpeningsController</name>
    <message>
        <source>Open Library</source>
        <translation>打开棋谱库</translation>
    </message>
    <message>
        <source>Game Collections (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;All Files (*)</source>
        <translation>棋谱集 (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Practise Opening</source>
        <translation>练习开局</translation>
    </message>
    <message>
        <source>The line to practise:</source>
        <translation>要练习的开局：</translation>
    </message>
    <message>
        <source>New &amp;Balanced Game</source>
        <translation>从均衡局面开新局(&amp;B)</translation>
    </message>
    <message>
        <source>New game from a random opening that the analyst judges even</source>
        <translation>从分析器判定均势的随机开局开始新对局</translation>
    </message>
    <message>
        <source>Open &amp;Library...</source>
        <translation>打开棋谱库(&amp;L)...</translation>
    </message>
    <message>
        <source>Read a collection of games and look up the position on the board in it</source>
        <translation>读取棋谱集并在其中查找棋盘上的局面</translation>
    </message>
    <message>
        <source>Practise &amp;Opening...</source>
        <translation>练习开局(&amp;O)...</translation>
    </message>
    <message>
        <source>Play a named opening against the computer, your moves checked against it</source>
        <translation>与电脑下一个有名称的开局，并以其检查您的着法</translation>
    </message>
    <message>
        <source>&amp;Book Moves</source>
        <translation>开局库着法(&amp;B)</translation>
    </message>
    <message>
        <source>Mark the opening book&apos;s moves with their values in discs, and name the opening</source>
        <translation>标出开局库着法及其以子数计的估值，并显示开局名称</translation>
    </message>
    <message>
        <source>The opening book cannot be used: %1</source>
        <translation>无法使用开局库：%1</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>开局：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 discs, played in %n game(s)</source>
        <translation>
            <numerusform>%1：%2 子，在 %n 局中走过</numerusform>
        </translation>
    </message>
    <message>
        <source>Practising the %1: %2</source>
        <translation>练习开局 %1：%2</translation>
    </message>
    <message>
        <source>%1 leaves the %2: the line plays %3.</source>
        <translation>%1 偏离了 %2：该开局走 %3。</translation>
    </message>
    <message>
        <source>The book values %1 at %2 and %3 at %4 discs: %5 discs less.</source>
        <translation>开局库对 %1 的估值为 %2，对 %3 为 %4 子：少 %5 子。</translation>
    </message>
    <message>
        <source>The book values %1 at %2 discs and does not know %3.</source>
        <translation>开局库对 %1 的估值为 %2 子，不知道 %3。</translation>
    </message>
    <message>
        <source>The %1 is played to its end.</source>
        <translation>%1 已下完。</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>棋谱库</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
    <message>
        <source>it holds no readable game</source>
        <translation>其中没有可读的棋谱</translation>
    </message>
    <message>
        <source>Cannot open the library %1: %2</source>
        <translation>无法打开棋谱库 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Library %1: %n game(s)</source>
        <translation>
            <numerusform>棋谱库 %1：%n 局</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n record(s) refused; the first, record %1: %2)</source>
        <translation>
            <numerusform>（拒绝了 %n 条记录；第一条为第 %1 条：%2）</numerusform>
        </translation>
    </message>
    <message>
        <source>The library holds games from the standard start only.</source>
        <translation>棋谱库只含从标准开局开始的对局。</translation>
    </message>
    <message>
        <source>%1 against %2 from the library</source>
        <translation>棋谱库中 %1 对 %2 的对局</translation>
    </message>
    <message>
        <source>Looking for a balanced start...</source>
        <translation>正在寻找均衡开局...</translation>
    </message>
    <message>
        <source>No balanced start was found; try again.</source>
        <translation>未找到均衡开局；请再试一次。</translation>
    </message>
    <message>
        <source>Balanced start %1: %2 (%3 discs for the side to move)</source>
        <translation>均衡开局 %1：%2（轮走方 %3 子）</translation>
    </message>
</context>
<context>
    <name>TPassBox</name>
    <message>
        <source>You must pass</source>
        <translation>您必须弃权（过）</translation>
    </message>
</context>
<context>
    <name>TPlayBar</name>
    <message>
        <source>|Take back a move</source>
        <translation>|悔一步棋</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>悔棋</translation>
    </message>
    <message>
        <source>|Force the computer to play</source>
        <translation>|让电脑立即落子</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>立即落子</translation>
    </message>
    <message>
        <source>Move now</source>
        <translation>立即落子</translation>
    </message>
    <message>
        <source>|Move forward one move</source>
        <translation>|重走一步悔掉的棋</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>重走</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>思考中</translation>
    </message>
</context>
<context>
    <name>TReversi</name>
    <message>
        <source>%1, black</source>
        <translation>%1，黑棋</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1，白棋</translation>
    </message>
    <message>
        <source>%1, empty, legal move</source>
        <translation>%1，空，可落子</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1，空</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Reversi</source>
        <translation>黑白棋</translation>
    </message>
    <message>
        <source>You must pass</source>
        <translation>您必须弃权（过）</translation>
    </message>
</context>
<context>
    <name>TSetupDialog</name>
    <message>
        <source>Set Up Position</source>
        <translation>摆放局面</translation>
    </message>
    <message>
        <source>Empty Board</source>
        <translation>空棋盘</translation>
    </message>
    <message>
        <source>Standard Start</source>
        <translation>标准开局</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>黑棋走</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>白棋走</translation>
    </message>
    <message>
        <source>Click a square to put a black disc, a white disc or none on it in turn; the right button goes the other way.</source>
        <translation>单击格子可依次放黑子、白子或清空；右键按相反顺序。</translation>
    </message>
    <message>
        <source>The position has no white disc; place at least one of each colour.</source>
        <translation>局面中没有白子；请每种颜色至少放一枚。</translation>
    </message>
    <message>
        <source>The position has no black disc; place at least one of each colour.</source>
        <translation>局面中没有黑子；请每种颜色至少放一枚。</translation>
    </message>
</context>
<context>
    <name>TSidePanel</name>
    <message>
        <source>Game</source>
        <translation>对局</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>最佳变化</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>子数</translation>
    </message>
    <message>
        <source>White discs</source>
        <translation>白子</translation>
    </message>
    <message>
        <source>Black discs</source>
        <translation>黑子</translation>
    </message>
    <message>
        <source>To Move</source>
        <translation>轮走方</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>白棋走</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>黑棋走</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Candidate Move</source>
        <translation>候选着法</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>估值</translation>
    </message>
    <message>
        <source>Considering</source>
        <translation>正在考虑</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深度</translation>
    </message>
    <message>
        <source>Root move, then deepest depth</source>
        <translation>根着法，然后是最大深度</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>节点数</translation>
    </message>
    <message>
        <source>Black wins %1 : %2</source>
        <translation>黑棋胜 %1 : %2</translation>
    </message>
    <message>
        <source>White wins %1 : %2</source>
        <translation>白棋胜 %1 : %2</translation>
    </message>
    <message>
        <source>Draw %1 : %2</source>
        <translation>平局 %1 : %2</translation>
    </message>
    <message>
        <source>Infinite thinking time</source>
        <translation>思考时间无限</translation>
    </message>
    <message numerus="yes">
        <source>%n ply search</source>
        <translation>
            <numerusform>搜索 %n 步</numerusform>
        </translation>
    </message>
    <message>
        <source>White passes — Black to move</source>
        <translation>白棋弃权 — 黑棋走</translation>
    </message>
    <message>
        <source>Black passes — White to move</source>
        <translation>黑棋弃权 — 白棋走</translation>
    </message>
    <message>
        <source>White passes again (%1) — Black to move</source>
        <translation>白棋再次弃权 (%1) — 黑棋走</translation>
    </message>
    <message>
        <source>Black passes again (%1) — White to move</source>
        <translation>黑棋再次弃权 (%1) — 白棋走</translation>
    </message>
    <message>
        <source>passes</source>
        <translation>弃权</translation>
    </message>
    <message>
        <source>passes (%1)</source>
        <translation>弃权 (%1)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>过</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 精确</translation>
    </message>
    <message>
        <source>book</source>
        <translation>开局</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>The game that will send you flipping mad!!</source>
        <translation>让您翻到停不下来的游戏！！</translation>
    </message>
</context>
<context>
    <name>TToolbar</name>
    <message>
        <source>|Open a game file</source>
        <translation>|打开棋谱文件</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>|Save a game file</source>
        <translation>|将棋谱保存到文件</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>|New game</source>
        <translation>|开始新对局</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新局</translation>
    </message>
</context>
<context>
    <name>TUndoMyMove</name>
    <message>
        <source>&amp;Undo My Move</source>
        <translation>撤销我的着法(&amp;U)</translation>
    </message>
    <message>
        <source>Take back your last move and the computer&apos;s answer</source>
        <translation>撤回您的上一步和电脑的应着</translation>
    </message>
    <message>
        <source>&amp;Redo My Move</source>
        <translation>重做我的着法(&amp;R)</translation>
    </message>
    <message>
        <source>Play your move taken back and the computer&apos;s answer again</source>
        <translation>重新走出您撤回的着法和电脑的应着</translation>
    </message>
</context>
<context>
    <name>TVersionLabel</name>
    <message>
        <source>File Version:</source>
        <translation>文件版本：</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>公司名称：</translation>
    </message>
    <message>
        <source>File Description:</source>
        <translation>文件说明：</translation>
    </message>
    <message>
        <source>Internal Name:</source>
        <translation>内部名称：</translation>
    </message>
    <message>
        <source>Legal Copyright:</source>
        <translation>版权：</translation>
    </message>
    <message>
        <source>Original Filename:</source>
        <translation>原始文件名：</translation>
    </message>
    <message>
        <source>Product Name:</source>
        <translation>产品名称：</translation>
    </message>
    <message>
        <source>Product Version:</source>
        <translation>产品版本：</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>标志：</translation>
    </message>
    <message>
        <source>&lt; No design info &gt;</source>
        <translation>&lt; 无设计信息 &gt;</translation>
    </message>
    <message>
        <source>&lt; No Data Available &gt;</source>
        <translation>&lt; 无可用数据 &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving version info &gt;</source>
        <translation>&lt; 读取版本信息出错 &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving translation info &gt;</source>
        <translation>&lt; 读取语言信息出错 &gt;</translation>
    </message>
    <message>
        <source>&lt; No Version Info &gt;</source>
        <translation>&lt; 无版本信息 &gt;</translation>
    </message>
    <message>
        <source>, Debug Build</source>
        <translation>，调试版</translation>
    </message>
    <message>
        <source>, Pre-Release Build</source>
        <translation>，预发布版</translation>
    </message>
    <message>
        <source>, Patched Build</source>
        <translation>，修补版</translation>
    </message>
    <message>
        <source>, Private Build</source>
        <translation>，私有版</translation>
    </message>
    <message>
        <source>, InfoInferred</source>
        <translation>，推断信息</translation>
    </message>
    <message>
        <source>, Special Build</source>
        <translation>，特别版</translation>
    </message>
</context>
<context>
    <name>TGamesPlayed</name>
    <message>
        <source>&amp;Games Played...</source>
        <translation>对局战绩(&amp;G)...</translation>
    </message>
    <message>
        <source>Your wins, draws and losses against each opponent</source>
        <translation>您对每个对手的胜、平、负</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>对局战绩</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>分析器：强</translation>
    </message>
    <message>
        <source>Analyst: Good</source>
        <translation>分析器：良好</translation>
    </message>
    <message>
        <source>Analyst: Club</source>
        <translation>分析器：俱乐部</translation>
    </message>
    <message>
        <source>Analyst: Beginner</source>
        <translation>分析器：新手</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>引擎：%1</translation>
    </message>
    <message>
        <source>The game could not be counted in %1: %2.</source>
        <translation>无法将本局计入 %1：%2。</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>对手</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>局数</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>平</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>负</translation>
    </message>
    <message>
        <source>Average Margin</source>
        <translation>平均子差</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>重置(&amp;R)...</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is; games are not counted in it until it is repaired or the statistics are reset.</source>
        <translation>无法读取 %1：%2。文件保持原样；在修复文件或重置战绩之前，对局不会计入其中。</translation>
    </message>
    <message>
        <source>No game against the computer has been counted yet.</source>
        <translation>尚未记录任何与电脑的对局。</translation>
    </message>
    <message>
        <source>Your games against the computer, kept in %1; the margin is your discs less the computer&apos;s.</source>
        <translation>您与电脑的对局，保存在 %1 中；子差为您的棋子数减去电脑的棋子数。</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of this run could not be counted yet.</source>
        <translation>
            <numerusform>本次运行的 %n 局尚未能计入。</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget all games counted so far? This cannot be undone.</source>
        <translation>要清除目前记录的所有对局吗？此操作无法撤销。</translation>
    </message>
    <message>
        <source>%1 could not be reset: %2.</source>
        <translation>无法重置 %1：%2。</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>级别：%1</translation>
    </message>
</context>
<context>
    <name>TStrongLevel</name>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>俱乐部</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>Plays its best move.</source>
        <translation>走最佳着法。</translation>
    </message>
    <message>
        <source>Loses up to %1 discs a move.</source>
        <translation>每步最多损失 %1 子。</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 s a move</source>
        <translation>分析器：%1，每步 %2 秒</translation>
    </message>
</context>
<context>
    <name>TAnimateFlips</name>
    <message>
        <source>Animate Flips</source>
        <translation>翻转动画</translation>
    </message>
    <message>
        <source>Turn the discs a move flips over in a short animation</source>
        <translation>以简短动画翻转一步棋所翻的棋子</translation>
    </message>
</context>
</TS>
