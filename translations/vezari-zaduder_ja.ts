<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>%1 was stopped before it moved</source>
        <translation>%1は打つ前に止められました</translation>
    </message>
    <message>
        <source>%1 gave no move: %2</source>
        <translation>%1が手を返しませんでした: %2</translation>
    </message>
    <message>
        <source>%1 played an illegal move (%2); it was refused</source>
        <translation>%1が打てない手を打ちました (%2)。受け付けません</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>パス</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>The web page %1 could not be opened.</source>
        <translation>ウェブページ %1 を開けませんでした。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TAnalysisController</name>
    <message>
        <source>Solving the endgame exactly (empty squares: %1)...</source>
        <translation>終盤を完全読み中 (空きマス: %1)...</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>解析に失敗しました: %1</translation>
    </message>
    <message>
        <source>%1; the computer plays on by itself.</source>
        <translation>%1。コンピュータが自分で打ち続けます。</translation>
    </message>
    <message>
        <source>Analyst Player</source>
        <translation>アナリストと対局</translation>
    </message>
    <message>
        <source>Seconds per move:</source>
        <translation>1手あたりの秒数:</translation>
    </message>
    <message>
        <source>Play book moves within this many discs of the best (0: the best only):</source>
        <translation>最善から何石差までの定石手を打つか (0: 最善手のみ):</translation>
    </message>
    <message>
        <source>Perfect Endgame</source>
        <translation>終盤完全読み</translation>
    </message>
    <message>
        <source>Empty squares solved exactly:</source>
        <translation>完全読みする空きマス:</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Show the best move</source>
        <translation>最善手を表示する</translation>
    </message>
    <message>
        <source>Analyse Game...</source>
        <translation>対局を解析...</translation>
    </message>
    <message>
        <source>Review every move of the game</source>
        <translation>対局のすべての手を検討する</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>対戦...</translation>
    </message>
    <message>
        <source>Play two engines against each other</source>
        <translation>2つのエンジンを対戦させる</translation>
    </message>
    <message>
        <source>Engines...</source>
        <translation>エンジン...</translation>
    </message>
    <message>
        <source>Add and remove the external engines that can play</source>
        <translation>対局できる外部エンジンを追加・削除する</translation>
    </message>
    <message>
        <source>Engine Opponent</source>
        <translation>対戦エンジン</translation>
    </message>
    <message>
        <source>None (the game&apos;s own player)</source>
        <translation>なし (ゲーム内蔵の打ち手)</translation>
    </message>
    <message>
        <source>Hint from the Engine</source>
        <translation>エンジンのヒント</translation>
    </message>
    <message>
        <source>Solve the Endgame</source>
        <translation>終盤を完全読み</translation>
    </message>
    <message>
        <source>The computer plays perfectly in the last empties</source>
        <translation>コンピュータが最後の空きマスを完全読みで打つ</translation>
    </message>
    <message>
        <source>How many empty squares the computer solves</source>
        <translation>コンピュータが完全読みする空きマスの数</translation>
    </message>
    <message>
        <source>Move Values</source>
        <translation>着手の評価値</translation>
    </message>
    <message>
        <source>Show the value of every legal move</source>
        <translation>すべての合法手の評価値を表示する</translation>
    </message>
    <message>
        <source>Empty Squares: %1...</source>
        <translation>空きマス: %1...</translation>
    </message>
    <message>
        <source>Seconds per Move: %1...</source>
        <translation>1手あたりの秒数: %1...</translation>
    </message>
    <message>
        <source>Book Moves within %1 Discs...</source>
        <translation>%1石差以内の定石手...</translation>
    </message>
    <message>
        <source>Asking %1 for a hint...</source>
        <translation>%1にヒントを求めています...</translation>
    </message>
    <message>
        <source>%1 has no hint here.</source>
        <translation>%1はここでヒントを出せません。</translation>
    </message>
    <message>
        <source>%1 suggests %2.</source>
        <translation>%1の推奨手は%2です。</translation>
    </message>
    <message>
        <source>The game has changed since it was analysed</source>
        <translation>解析後に対局が変わりました</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>コンピュータの打ち手</translation>
    </message>
    <message>
        <source>The Levels (Level...)</source>
        <translation>レベル (レベル...)</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>アナリスト: 強い</translation>
    </message>
    <message>
        <source>Analyst: Good (loses up to 2 discs a move)</source>
        <translation>アナリスト: 上級 (1手で最大2石損)</translation>
    </message>
    <message>
        <source>Analyst: Club (loses up to 4 discs a move)</source>
        <translation>アナリスト: 中級 (1手で最大4石損)</translation>
    </message>
    <message>
        <source>Analyst: Beginner (loses up to 8 discs a move)</source>
        <translation>アナリスト: 初級 (1手で最大8石損)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>完全読み</translation>
    </message>
    <message>
        <source>%1 ply search</source>
        <translation>%1手読み</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 discs (%3), %4 nodes: %5</source>
        <translation>アナリスト: %1、%2石 (%3)、%4ノード: %5</translation>
    </message>
    <message>
        <source>book</source>
        <translation>定石</translation>
    </message>
    <message>
        <source>Analysis Threads</source>
        <translation>解析スレッド</translation>
    </message>
    <message>
        <source>Threads for the hint, the move values, the review and the analyst player
(this computer has %1 processors):</source>
        <translation>ヒント、手の評価値、棋譜解析、対戦相手のアナリストに使うスレッド数
(このコンピューターのプロセッサ数: %1):</translation>
    </message>
    <message>
        <source>How many processors the analysis uses</source>
        <translation>解析に使うプロセッサの数</translation>
    </message>
    <message>
        <source>Analysis Threads: %1...</source>
        <translation>解析スレッド: %1...</translation>
    </message>
</context>
<context>
    <name>TBoardPictures</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>PNG image, discs numbered by move (*.png)</source>
        <translation>PNG 画像、石に手順番号付き (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 図 (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing, discs numbered by move (*.svg)</source>
        <translation>SVG 図、石に手順番号付き (*.svg)</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>盤面を書き出す</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>画像を %1 に書き込めませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>TBoardStyle</name>
    <message>
        <source>Board Style</source>
        <translation>盤のスタイル</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木目</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>ハイコントラスト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>デスクトップに合わせる</translation>
    </message>
</context>
<context>
    <name>TClockController</name>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>White&apos;s clock</source>
        <translation>白の時計</translation>
    </message>
    <message>
        <source>Black&apos;s clock</source>
        <translation>黒の時計</translation>
    </message>
    <message>
        <source>No Clock</source>
        <translation>時計なし</translation>
    </message>
    <message>
        <source>1 Minute per Side</source>
        <translation>持ち時間 各1分</translation>
    </message>
    <message>
        <source>5 Minutes per Side</source>
        <translation>持ち時間 各5分</translation>
    </message>
    <message>
        <source>10 Minutes per Side</source>
        <translation>持ち時間 各10分</translation>
    </message>
    <message>
        <source>15 Minutes per Side</source>
        <translation>持ち時間 各15分</translation>
    </message>
    <message>
        <source>A clock for each side&apos;s whole game; the computer keeps to its own</source>
        <translation>対局全体の持ち時間を各自に設定します。コンピュータも自分の時計を守ります</translation>
    </message>
    <message>
        <source>White&apos;s time is up — Black wins</source>
        <translation>白の時間切れ — 黒の勝ち</translation>
    </message>
    <message>
        <source>Black&apos;s time is up — White wins</source>
        <translation>黒の時間切れ — 白の勝ち</translation>
    </message>
    <message>
        <source>Black wins on time</source>
        <translation>時間切れで黒の勝ち</translation>
    </message>
    <message>
        <source>White wins on time</source>
        <translation>時間切れで白の勝ち</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>開ける棋譜ファイルは1つだけです。</translation>
    </message>
    <message>
        <source>The game file&apos;s name is empty.</source>
        <translation>棋譜ファイルの名前が空です。</translation>
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
        <translation>使い方: vezari-zaduder [オプション]... [ファイル]
リバーシ (オセロ) をコンピュータと、または友だちと1つの盤で対局します。

ファイル (保存した棋譜: .RGM、GGF、または &quot;f5 d6 c3&quot; のような手順) は、
ウィンドウが開いたあと、ファイル &gt; 開く と同じように開かれます。開けない
ファイルのときは新しい対局のままになり、その理由が表示されます。

オプション:
  -h, --help     このヘルプを表示して終了する
  -v, --version  バージョンを表示して終了する

-platform、-style、-qwindowgeometry など Qt 自身のオプションも使えます。
設定は、プログラムが書き込める専用のフォルダーから実行されるときはプログラム
と同じ場所の Reversi.ini に、それ以外 (インストール時) は
$XDG_CONFIG_HOME/vezari-zaduder (~/.config/vezari-zaduder) に保存されます。

man vezari-zaduder に遊び方 (キー、レベル、ファイル) が書かれています。
</translation>
    </message>
    <message>
        <source>the version data cannot be read from %1</source>
        <translation>%1 からバージョン情報を読み込めません</translation>
    </message>
</context>
<context>
    <name>TEnginesDialog</name>
    <message>
        <source>Engines</source>
        <translation>エンジン</translation>
    </message>
    <message>
        <source>the engine&apos;s own name when empty</source>
        <translation>空欄ならエンジン自身の名前</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>検出</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>コマンドライン:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>プロトコル:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Give the engine&apos;s command line.</source>
        <translation>エンジンのコマンドラインを入力してください。</translation>
    </message>
    <message>
        <source>No more than %1 engines can be registered.</source>
        <translation>登録できるエンジンは%1個までです。</translation>
    </message>
    <message>
        <source>Asking %1 which protocol it speaks...</source>
        <translation>%1にプロトコルを問い合わせています...</translation>
    </message>
    <message>
        <source>%1 was not added: %2</source>
        <translation>%1は追加されませんでした: %2</translation>
    </message>
    <message>
        <source>%1 added (%2).</source>
        <translation>%1を追加しました (%2)。</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1を削除しました。</translation>
    </message>
</context>
<context>
    <name>TEvalGraph</name>
    <message>
        <source>Value of the position for Black; click to show it</source>
        <translation>黒から見た局面の評価値。クリックでその局面を表示</translation>
    </message>
    <message>
        <source>Black ahead above the line</source>
        <translation>線より上は黒が優勢</translation>
    </message>
</context>
<context>
    <name>TFileReason</name>
    <message>
        <source>no file name was given</source>
        <translation>ファイル名が指定されていません</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>ファイルを開けません: %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is far too large to be a game</source>
        <translation>棋譜にしては大きすぎるファイルです</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>the computer is thinking</source>
        <translation>コンピュータが思考中です</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>ファイルを作成できません: %1</translation>
    </message>
    <message>
        <source>the file cannot be replaced: %1</source>
        <translation>ファイルを置き換えられません: %1</translation>
    </message>
    <message>
        <source>the file cannot be written (is the disk full?)</source>
        <translation>ファイルに書き込めません (ディスクがいっぱいではありませんか?)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 は整数ではありません</translation>
    </message>
    <message>
        <source>the move count %1 is not between %2 and %3</source>
        <translation>手数 %1 が %2 から %3 の範囲にありません</translation>
    </message>
    <message>
        <source>the current move %1 is not between %2 and %3</source>
        <translation>現在の手 %1 が %2 から %3 の範囲にありません</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a legal move</source>
        <translation>%1手目 (%2) は合法手ではありません</translation>
    </message>
    <message>
        <source>move %1, %2 (%3) is not a legal move</source>
        <translation>%1手目、%2 (%3) は合法手ではありません</translation>
    </message>
    <message>
        <source>numbers follow the current move</source>
        <translation>現在の手のあとに数字が続いています</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>ファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>the file cannot be written: %1</source>
        <translation>ファイルに書き込めません: %1</translation>
    </message>
    <message>
        <source>the file is far too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>the file holds a NUL byte</source>
        <translation>ファイルに NUL バイトが含まれています</translation>
    </message>
    <message>
        <source>the file would be far too large</source>
        <translation>ファイルが大きくなりすぎます</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>another copy of the program (process %1) is writing it</source>
        <translation>別に起動したこのプログラム (プロセス %1) が書き込み中です</translation>
    </message>
    <message>
        <source>move %1, %2: %3</source>
        <translation>%1手目、%2: %3</translation>
    </message>
    <message>
        <source>not a square</source>
        <translation>マスではありません</translation>
    </message>
    <message>
        <source>it is Black&apos;s turn</source>
        <translation>黒番です</translation>
    </message>
    <message>
        <source>it is White&apos;s turn</source>
        <translation>白番です</translation>
    </message>
    <message>
        <source>not a legal move for Black</source>
        <translation>黒の合法手ではありません</translation>
    </message>
    <message>
        <source>not a legal move for White</source>
        <translation>白の合法手ではありません</translation>
    </message>
    <message>
        <source>Black has a legal move and cannot pass</source>
        <translation>黒には合法手があるのでパスできません</translation>
    </message>
    <message>
        <source>White has a legal move and cannot pass</source>
        <translation>白には合法手があるのでパスできません</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>対局は終わっています</translation>
    </message>
    <message>
        <source>the text is far too long to be a game</source>
        <translation>棋譜にしては長すぎるテキストです</translation>
    </message>
    <message>
        <source>the text is far too long to be a board</source>
        <translation>盤面にしては長すぎるテキストです</translation>
    </message>
    <message>
        <source>the board has %1 squares, not %2, and no side to move</source>
        <translation>盤面のマスが %2 ではなく %1 で、手番もありません</translation>
    </message>
    <message>
        <source>square %1: %2</source>
        <translation>マス %1: %2</translation>
    </message>
    <message>
        <source>%1 is not X, O or -</source>
        <translation>%1 は X、O、- のどれでもありません</translation>
    </message>
    <message>
        <source>the side to move (X or O) is missing after the %1 squares</source>
        <translation>%1 マスのあとに手番 (X か O) がありません</translation>
    </message>
    <message>
        <source>%1 is not a side to move (X or O)</source>
        <translation>%1 は手番 (X か O) ではありません</translation>
    </message>
    <message>
        <source>unexpected %1 after the side to move</source>
        <translation>手番のあとに予期しない %1 があります</translation>
    </message>
    <message>
        <source>no GGF game: %1</source>
        <translation>GGF の棋譜ではありません: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>the game does not end with %1</source>
        <translation>棋譜が %1 で終わっていません</translation>
    </message>
    <message>
        <source>the game is %1, not Othello</source>
        <translation>ゲームがオセロではなく %1 です</translation>
    </message>
    <message>
        <source>unexpected %1 at character %2</source>
        <translation>%2 文字目に予期しない %1 があります</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>クリップボードにテキストがありません</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a key nor a comment</source>
        <translation>%1 行目はセクションでもキーでもコメントでもありません</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>%1 に %2 がありません</translation>
    </message>
    <message>
        <source>%1 holds twice %2</source>
        <translation>%1 に %2 が2回あります</translation>
    </message>
    <message>
        <source>%1 holds the unknown key %2</source>
        <translation>%1 に不明なキー %2 があります</translation>
    </message>
    <message>
        <source>its format %1 is not one this program knows</source>
        <translation>形式 %1 はこのプログラムでは扱えません</translation>
    </message>
    <message>
        <source>%1 has no readable name</source>
        <translation>%1 に読める名前がありません</translation>
    </message>
    <message>
        <source>%1 names an opponent again</source>
        <translation>%1 は同じ相手をもう一度挙げています</translation>
    </message>
    <message>
        <source>it names more than %1 opponents</source>
        <translation>相手が %1 を超えています</translation>
    </message>
    <message>
        <source>%1 in %2 is not a count of games</source>
        <translation>%2 の %1 は対局数ではありません</translation>
    </message>
    <message>
        <source>%1 in %2 is not the sum of its games&apos; margins</source>
        <translation>%2 の %1 は対局の石差の合計ではありません</translation>
    </message>
    <message>
        <source>it holds keys before its first section</source>
        <translation>最初のセクションの前にキーがあります</translation>
    </message>
    <message>
        <source>it holds the unknown section %1</source>
        <translation>不明なセクション %1 があります</translation>
    </message>
    <message>
        <source>it lacks the section %1</source>
        <translation>セクション %1 がありません</translation>
    </message>
    <message>
        <source>it cannot be read as an INI file</source>
        <translation>INI ファイルとして読み込めません</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>読み込むためのメモリが足りません</translation>
    </message>
    <message>
        <source>its lock cannot be created: %1</source>
        <translation>ロックを作成できません: %1</translation>
    </message>
</context>
<context>
    <name>TGameFiles</name>
    <message>
        <source>All Games (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</source>
        <translation>すべての棋譜 (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</translation>
    </message>
    <message>
        <source>Game Files (*.RGM);;GGF Games (*.ggf);;Text (*.txt);;All Files (*)</source>
        <translation>棋譜ファイル (*.RGM);;GGF 棋譜 (*.ggf);;テキスト (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>GGF Games (*.ggf)</source>
        <translation>GGF 棋譜 (*.ggf)</translation>
    </message>
    <message>
        <source>Reversi Game Files (*.RGM)</source>
        <translation>リバーシ棋譜ファイル (*.RGM)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既にあります。
置き換えますか?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>現在の対局を保存する</translation>
    </message>
    <message>
        <source>Copy Game</source>
        <translation>棋譜をコピー</translation>
    </message>
    <message>
        <source>Copy the moves of the game</source>
        <translation>対局の手順をコピーする</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>局面をコピー</translation>
    </message>
    <message>
        <source>Copy the position on the board</source>
        <translation>盤上の局面をコピーする</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Take a move list, a board or a GGF game from the clipboard</source>
        <translation>クリップボードから手順、盤面、GGF 棋譜を取り込む</translation>
    </message>
    <message>
        <source>Set Up Position...</source>
        <translation>局面を設定...</translation>
    </message>
    <message>
        <source>Start a game from a position of your own</source>
        <translation>自分で作った局面から対局を始める</translation>
    </message>
    <message>
        <source>The game could not be opened: the computer is thinking.
The current game is kept.</source>
        <translation>棋譜を開けませんでした: コンピュータが思考中です。
現在の対局はそのままです。</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; could not be opened: %2.
The current game is kept.</source>
        <translation>棋譜「%1」を開けませんでした: %2。
現在の対局はそのままです。</translation>
    </message>
    <message>
        <source>The game could not be saved: the computer is thinking.</source>
        <translation>棋譜を保存できませんでした: コンピュータが思考中です。</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>棋譜を「%1」に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played: %1.
The current game is kept.</source>
        <translation>クリップボードに対局できる棋譜がありません: %1。
現在の対局はそのままです。</translation>
    </message>
</context>
<context>
    <name>TGameReview</name>
    <message>
        <source>Game Review</source>
        <translation>対局の検討</translation>
    </message>
    <message>
        <source>Values in discs by the analyst (%1 s per position). A move losing %2 discs or more against the best is a mistake, marked red.</source>
        <translation>アナリストによる石数での評価値 (1局面 %1 秒)。最善手より %2 石以上損する手は悪手として赤で示します。</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>手</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>打ち手</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>着手</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最善手</translation>
    </message>
    <message>
        <source>Best value</source>
        <translation>最善の評価値</translation>
    </message>
    <message>
        <source>Played value</source>
        <translation>着手の評価値</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>損失</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深さ</translation>
    </message>
    <message>
        <source>Analysing...</source>
        <translation>解析中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>解析に失敗しました: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Done; * marks exact values</source>
        <translation>完了。* は完全読みの値</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>完全読み</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
</context>
<context>
    <name>THintControl</name>
    <message>
        <source>The analysis failed: %1</source>
        <translation>解析に失敗しました: %1</translation>
    </message>
    <message>
        <source>Hint: thinking...</source>
        <translation>ヒント: 思考中...</translation>
    </message>
    <message>
        <source>Hint: the game is over</source>
        <translation>ヒント: 対局は終わっています</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>ヒント: パス</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (exact)</source>
        <translation>ヒント: %1、%2石 (完全読み)</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (%3 ply search)</source>
        <translation>ヒント: %1、%2石 (%3手読み)</translation>
    </message>
    <message>
        <source>Move values in discs: exact (*)</source>
        <translation>着手の評価値 (石数): 完全読み (*)</translation>
    </message>
    <message>
        <source>Move values in discs: %1 ply search</source>
        <translation>着手の評価値 (石数): %1手読み</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <source>The rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Black moves first. A move puts a disc on an empty square so that it encloses one or more lines of the opponent&apos;s discs, across, down or diagonally, with another disc of the mover&apos;s at the far end; every disc enclosed turns over. A side with no such move passes. When neither side can move the game is over, and whoever has more discs wins.</source>
        <translation>黒が先手です。空きマスに石を打ち、縦・横・斜めのいずれかの方向で相手の石を自分の石ではさめる場所に打てます。はさんだ石はすべて裏返ります。打てる場所がないときはパスします。両者とも打てなくなったら対局終了で、石の多いほうが勝ちです。</translation>
    </message>
    <message>
        <source>You play the colour chosen in the File menu, New Game as Black or New Game as White, and the computer answers each move; when you play White, the computer opens the game. Press Space to have the computer play the side to move instead; Edit &gt; Two Player lets two people share the board.</source>
        <translation>あなたはファイルメニューで選んだ色（黒番で新規対局または白番で新規対局）を持ち、コンピュータが毎回応じます。白番ではコンピュータが先に打ちます。スペースキーを押すと、コンピュータが代わりに手番側を打ちます。編集 &gt; 2人で対局 で2人が1つの盤を使えます。</translation>
    </message>
    <message>
        <source>The keys</source>
        <translation>キー操作</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>play a legal square</source>
        <translation>打てるマスに打つ</translation>
    </message>
    <message>
        <source>A letter and a digit</source>
        <translation>英字と数字</translation>
    </message>
    <message>
        <source>play the square of that name, such as d3</source>
        <translation>その名前のマスに打つ (例: d3)</translation>
    </message>
    <message>
        <source>Arrow keys, Enter</source>
        <translation>矢印キー、Enter</translation>
    </message>
    <message>
        <source>move the cursor on the board, play the square under it</source>
        <translation>盤上のカーソルを動かし、その下のマスに打つ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>the computer moves now, or plays the side to move</source>
        <translation>コンピュータがすぐに打つ、または手番側を打つ</translation>
    </message>
    <message>
        <source>a hint: the best move is marked on the board</source>
        <translation>ヒント: 最善手を盤上に示す</translation>
    </message>
    <message>
        <source>Delete, Insert</source>
        <translation>Delete、Insert</translation>
    </message>
    <message>
        <source>take back a move, play it again</source>
        <translation>1手戻す、もう一度進める</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>the level: time per move, a fixed depth, or no limit</source>
        <translation>レベル: 1手の時間、固定の深さ、無制限</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Ctrl+C、Ctrl+V</translation>
    </message>
    <message>
        <source>copy the game as a move list, paste a game or a board</source>
        <translation>棋譜を手順としてコピー、棋譜や盤面を貼り付け</translation>
    </message>
    <message>
        <source>The panels</source>
        <translation>パネル</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>対局</translation>
    </message>
    <message>
        <source>the discs of each side and who is to move</source>
        <translation>両者の石数と手番</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>the computer&apos;s thinking: the move it considers, its best move and evaluation (in discs, for the side it plays; positive is good for it), the depth and the positions searched</source>
        <translation>コンピュータの思考: 検討中の手、最善手とその評価値 (石数、コンピュータ側から見た値。正なら有利)、読みの深さ、探索した局面数</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>読み筋</translation>
    </message>
    <message>
        <source>the moves it expects next, one line for each depth</source>
        <translation>次に予想する手順 (深さごとに1行)</translation>
    </message>
    <message>
        <source>The manual page (man vezari-zaduder) says more.</source>
        <translation>詳しくはマニュアルページ (man vezari-zaduder) を参照してください。</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>遊び方</translation>
    </message>
</context>
<context>
    <name>TLevelFrm</name>
    <message numerus="yes">
        <source>%n seconds per move</source>
        <translation>
            <numerusform>1手%n秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Time per move</source>
        <translation>1手の時間</translation>
    </message>
    <message>
        <source>Fixed depth search</source>
        <translation>固定の深さ</translation>
    </message>
    <message>
        <source>Infinite time</source>
        <translation>無制限</translation>
    </message>
    <message>
        <source>Gamma Selectivity</source>
        <translation>ガンマ選択度</translation>
    </message>
    <message>
        <source>Maximum Selective Depth</source>
        <translation>最大選択的深さ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Analyst as opponent</source>
        <translation>アナリストと対局</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>1手の秒数</translation>
    </message>
    <message>
        <source>Book margin (discs)</source>
        <translation>定石の幅 (石)</translation>
    </message>
    <message>
        <source>Book moves within this many discs of the book&apos;s best are played at random</source>
        <translation>定石の最善手からこの石数以内の手を無作為に打ちます</translation>
    </message>
</context>
<context>
    <name>TLibraryPanel</name>
    <message>
        <source>Move</source>
        <translation>手</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>対局数</translation>
    </message>
    <message>
        <source>Mean margin</source>
        <translation>平均石差</translation>
    </message>
    <message>
        <source>Moves played next</source>
        <translation>次に打たれた手</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>対局</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>大会</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Games that reached the position</source>
        <translation>この局面になった対局</translation>
    </message>
    <message>
        <source>No library is open (File &gt; Open Library...).</source>
        <translation>棋譜集が開かれていません (ファイル &gt; 棋譜集を開く...)。</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of the library reached this position.</source>
        <translation>
            <numerusform>棋譜集の%n局がこの局面になりました。</numerusform>
        </translation>
    </message>
    <message>
        <source>No game of the library reached this position.</source>
        <translation>棋譜集にこの局面になった対局はありません。</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Board</source>
        <translation>盤</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 は合法手ではありません</translation>
    </message>
    <message>
        <source>Black plays %1</source>
        <translation>黒が%1に打ちました</translation>
    </message>
    <message>
        <source>White plays %1</source>
        <translation>白が%1に打ちました</translation>
    </message>
    <message>
        <source>Black has no legal move and passes</source>
        <translation>黒は打てる場所がないのでパスします</translation>
    </message>
    <message>
        <source>White has no legal move and passes</source>
        <translation>白は打てる場所がないのでパスします</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.

Close without saving them?</source>
        <translation>設定を %1 に保存できませんでした: %2。

保存せずに閉じますか?</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規対局(&amp;N)</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しい対局を始める</translation>
    </message>
    <message>
        <source>Export Board...</source>
        <translation>盤面を書き出す...</translation>
    </message>
    <message>
        <source>Save a picture of the board as PNG or SVG</source>
        <translation>盤面の画像を PNG か SVG で保存する</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>プログラムを終了する</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>遊び方(&amp;P)</translation>
    </message>
    <message>
        <source>The rules, the keys and what the panels show</source>
        <translation>ルール、キー操作、パネルの見方</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Display about box</source>
        <translation>このプログラムについて表示する</translation>
    </message>
    <message>
        <source>Level...</source>
        <translation>レベル...</translation>
    </message>
    <message>
        <source>Set level of play</source>
        <translation>コンピュータの強さを設定する</translation>
    </message>
    <message>
        <source>Strict Time Limit</source>
        <translation>持ち時間を厳守</translation>
    </message>
    <message>
        <source>Never think longer than the time per move</source>
        <translation>1手の時間を超えて考えない</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>2人で対局</translation>
    </message>
    <message>
        <source>Two player mode</source>
        <translation>2人で1つの盤を使って対局する</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>1手戻す</translation>
    </message>
    <message>
        <source>Take back a move</source>
        <translation>1手戻す</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>1手進める</translation>
    </message>
    <message>
        <source>Move forward one move</source>
        <translation>戻した手を1手進める</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>今すぐ打つ</translation>
    </message>
    <message>
        <source>Force the computer to play</source>
        <translation>コンピュータにすぐ打たせる</translation>
    </message>
    <message>
        <source>Copy Board as Image</source>
        <translation>盤面を画像としてコピー</translation>
    </message>
    <message>
        <source>Copy a picture of the board</source>
        <translation>盤面の画像をコピーする</translation>
    </message>
    <message>
        <source>Show Thinking</source>
        <translation>思考中の手を表示</translation>
    </message>
    <message>
        <source>Display the candidate move</source>
        <translation>検討中の候補手を表示する</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>打てる場所を表示</translation>
    </message>
    <message>
        <source>Display all legal moves</source>
        <translation>すべての合法手を表示する</translation>
    </message>
    <message>
        <source>Show Flipable Discs</source>
        <translation>返る石を表示</translation>
    </message>
    <message>
        <source>Diplay the disc that would be flipped</source>
        <translation>打つと裏返る石を表示する</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Display the game statistics</source>
        <translation>探索の統計を表示する</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>読み筋を表示</translation>
    </message>
    <message>
        <source>Display the best line of play</source>
        <translation>最善の読み筋を表示する</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>座標</translation>
    </message>
    <message>
        <source>Show the letters and digits of the squares around the board</source>
        <translation>盤の周りにマスの英字と数字を表示する</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>効果音</translation>
    </message>
    <message>
        <source>Make a sound after each move</source>
        <translation>1手ごとに音を鳴らす</translation>
    </message>
    <message>
        <source>Selective</source>
        <translation>選択的探索</translation>
    </message>
    <message>
        <source>Selective search</source>
        <translation>選択的に探索する</translation>
    </message>
</context>
<context>
    <name>TMatchWindow</name>
    <message>
        <source>forfeit by %1: %2</source>
        <translation>%1の反則負け: %2</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Black wins by %1</source>
        <translation>黒の%1石勝ち</translation>
    </message>
    <message>
        <source>White wins by %1</source>
        <translation>白の%1石勝ち</translation>
    </message>
    <message>
        <source>Game %1: %2 (Black) - %3 (White): %4</source>
        <translation>第%1局: %2 (黒) - %3 (白): %4</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>対戦</translation>
    </message>
    <message>
        <source>analyst, levels:LEVEL (1 to 12), or gtp: and the command line of a GTP engine</source>
        <translation>analyst、levels:レベル (1～12)、または gtp: と GTP エンジンのコマンドライン</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>1手あたりの秒数</translation>
    </message>
    <message>
        <source>Depth per move</source>
        <translation>1手あたりの深さ</translation>
    </message>
    <message>
        <source>Of real games</source>
        <translation>実戦の序盤</translation>
    </message>
    <message>
        <source>Balanced starts from seed</source>
        <translation>互角の序盤 (シード)</translation>
    </message>
    <message>
        <source>Balanced starts: random openings of 8 to 12 moves the analyst judges within two discs</source>
        <translation>互角の序盤: アナリストが2石差以内と判断した8～12手のランダムな序盤</translation>
    </message>
    <message>
        <source>a file to save every game in (GGF), or nothing</source>
        <translation>すべての棋譜を保存するファイル (GGF)、または空欄</translation>
    </message>
    <message>
        <source>First player:</source>
        <translation>1人目の打ち手:</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>2人目の打ち手:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>対局数:</translation>
    </message>
    <message>
        <source>Each move:</source>
        <translation>1手ごと:</translation>
    </message>
    <message>
        <source>Openings:</source>
        <translation>序盤:</translation>
    </message>
    <message>
        <source>Save games:</source>
        <translation>棋譜の保存:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>打ち手</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>対局数</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Forfeits</source>
        <translation>反則負け</translation>
    </message>
    <message>
        <source>Disc margin</source>
        <translation>石差</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>勝率</translation>
    </message>
    <message>
        <source>Margin and score with the half-width of their 95% interval</source>
        <translation>石差と勝率、およびその95%信頼区間の半幅</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> (second)</source>
        <translation> (2人目)</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>対局中...</translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n game(s).</source>
        <translation>
            <numerusform>%n局で停止しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Match over.</source>
        <translation>対戦終了。</translation>
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
        <translation>棋譜を %1 に保存できません。</translation>
    </message>
</context>
<context>
    <name>TMoveList</name>
    <message>
        <source>pass</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>棋譜</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>対局の手順</translation>
    </message>
    <message>
        <source>&amp;Copy Moves</source>
        <translation>手順をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>棋譜(&amp;M)</translation>
    </message>
    <message>
        <source>Show the game&apos;s moves beside the board; pick one to go there</source>
        <translation>盤の横に対局の手順を表示し、選んだ手の局面へ移動する</translation>
    </message>
</context>
<context>
    <name>TNewGameChoice</name>
    <message>
        <source>New Game as Blac&amp;k</source>
        <translation>黒番で新規対局(&amp;K)</translation>
    </message>
    <message>
        <source>New game against the computer, you play Black</source>
        <translation>コンピュータと新規対局（あなたが黒番）</translation>
    </message>
    <message>
        <source>New Game as &amp;White</source>
        <translation>白番で新規対局(&amp;W)</translation>
    </message>
    <message>
        <source>New game against the computer, which opens with Black</source>
        <translation>コンピュータと新規対局（コンピュータが黒番で先手）</translation>
    </message>
    <message>
        <source>New &amp;Two-Player Game</source>
        <translation>2人で新規対局(&amp;T)</translation>
    </message>
    <message>
        <source>New game for two players at this board</source>
        <translation>この盤で2人の新規対局</translation>
    </message>
</context>
<context>
    <name>TOpeningsController</name>
    <message>
        <source>Open Library</source>
        <translation>棋譜集を開く</translation>
    </message>
    <message>
        <source>Game Collections (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;All Files (*)</source>
        <translation>棋譜集 (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Practise Opening</source>
        <translation>定石の練習</translation>
    </message>
    <message>
        <source>The line to practise:</source>
        <translation>練習する定石:</translation>
    </message>
    <message>
        <source>New &amp;Balanced Game</source>
        <translation>互角の局面から新規対局(&amp;B)</translation>
    </message>
    <message>
        <source>New game from a random opening that the analyst judges even</source>
        <translation>アナリストが互角と判断したランダムな序盤から新しい対局を始める</translation>
    </message>
    <message>
        <source>Open &amp;Library...</source>
        <translation>棋譜集を開く(&amp;L)...</translation>
    </message>
    <message>
        <source>Read a collection of games and look up the position on the board in it</source>
        <translation>棋譜集を読み込み、盤上の局面をその中から探す</translation>
    </message>
    <message>
        <source>Practise &amp;Opening...</source>
        <translation>定石を練習(&amp;O)...</translation>
    </message>
    <message>
        <source>Play a named opening against the computer, your moves checked against it</source>
        <translation>名前の付いた定石をコンピュータ相手に打ち、自分の手を定石と照らし合わせる</translation>
    </message>
    <message>
        <source>&amp;Book Moves</source>
        <translation>定石手(&amp;B)</translation>
    </message>
    <message>
        <source>Mark the opening book&apos;s moves with their values in discs, and name the opening</source>
        <translation>定石手に石数での評価値を付けて示し、定石名を表示する</translation>
    </message>
    <message>
        <source>The opening book cannot be used: %1</source>
        <translation>定石データを使えません: %1</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>定石: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 discs, played in %n game(s)</source>
        <translation>
            <numerusform>%1: %2石、%n局で打たれた手</numerusform>
        </translation>
    </message>
    <message>
        <source>Practising the %1: %2</source>
        <translation>%1の練習: %2</translation>
    </message>
    <message>
        <source>%1 leaves the %2: the line plays %3.</source>
        <translation>%1で%2から外れました。定石は%3です。</translation>
    </message>
    <message>
        <source>The book values %1 at %2 and %3 at %4 discs: %5 discs less.</source>
        <translation>定石データでは %1 が %2 石、%3 が %4 石で、%5 石の損です。</translation>
    </message>
    <message>
        <source>The book values %1 at %2 discs and does not know %3.</source>
        <translation>定石データでは %1 が %2 石で、%3 は載っていません。</translation>
    </message>
    <message>
        <source>The %1 is played to its end.</source>
        <translation>%1を最後まで打ちました。</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>棋譜集</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 を読み込み中...</translation>
    </message>
    <message>
        <source>it holds no readable game</source>
        <translation>読み込める棋譜がありません</translation>
    </message>
    <message>
        <source>Cannot open the library %1: %2</source>
        <translation>棋譜集 %1 を開けません: %2</translation>
    </message>
    <message numerus="yes">
        <source>Library %1: %n game(s)</source>
        <translation>
            <numerusform>棋譜集 %1: %n局</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n record(s) refused; the first, record %1: %2)</source>
        <translation>
            <numerusform>(%n件を読み込めませんでした。最初は %1 件目: %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>The library holds games from the standard start only.</source>
        <translation>棋譜集には標準の初期配置から始まる対局しかありません。</translation>
    </message>
    <message>
        <source>%1 against %2 from the library</source>
        <translation>棋譜集より %1 対 %2</translation>
    </message>
    <message>
        <source>Looking for a balanced start...</source>
        <translation>互角の序盤を探しています...</translation>
    </message>
    <message>
        <source>No balanced start was found; try again.</source>
        <translation>互角の序盤が見つかりませんでした。もう一度試してください。</translation>
    </message>
    <message>
        <source>Balanced start %1: %2 (%3 discs for the side to move)</source>
        <translation>互角の序盤 %1: %2 (手番側から見て %3 石)</translation>
    </message>
</context>
<context>
    <name>TPassBox</name>
    <message>
        <source>You must pass</source>
        <translation>パスです</translation>
    </message>
</context>
<context>
    <name>TPlayBar</name>
    <message>
        <source>|Take back a move</source>
        <translation>|1手戻す</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>1手戻す</translation>
    </message>
    <message>
        <source>|Force the computer to play</source>
        <translation>|コンピュータにすぐ打たせる</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>今すぐ打つ</translation>
    </message>
    <message>
        <source>Move now</source>
        <translation>今すぐ打つ</translation>
    </message>
    <message>
        <source>|Move forward one move</source>
        <translation>|戻した手を1手進める</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>1手進める</translation>
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
        <translation>%1、黒</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1、白</translation>
    </message>
    <message>
        <source>%1, empty, legal move</source>
        <translation>%1、空き、打てるマス</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1、空き</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤</translation>
    </message>
    <message>
        <source>Reversi</source>
        <translation>リバーシ</translation>
    </message>
    <message>
        <source>You must pass</source>
        <translation>パスです</translation>
    </message>
</context>
<context>
    <name>TSetupDialog</name>
    <message>
        <source>Set Up Position</source>
        <translation>局面の設定</translation>
    </message>
    <message>
        <source>Empty Board</source>
        <translation>空の盤</translation>
    </message>
    <message>
        <source>Standard Start</source>
        <translation>初期配置</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>黒番</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>白番</translation>
    </message>
    <message>
        <source>Click a square to put a black disc, a white disc or none on it in turn; the right button goes the other way.</source>
        <translation>マスをクリックするたびに黒石、白石、空きの順に変わります。右クリックは逆順です。</translation>
    </message>
    <message>
        <source>The position has no white disc; place at least one of each colour.</source>
        <translation>白石がありません。各色の石を少なくとも1つずつ置いてください。</translation>
    </message>
    <message>
        <source>The position has no black disc; place at least one of each colour.</source>
        <translation>黒石がありません。各色の石を少なくとも1つずつ置いてください。</translation>
    </message>
</context>
<context>
    <name>TSidePanel</name>
    <message>
        <source>Game</source>
        <translation>対局</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>読み筋</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>石数</translation>
    </message>
    <message>
        <source>White discs</source>
        <translation>白石</translation>
    </message>
    <message>
        <source>Black discs</source>
        <translation>黒石</translation>
    </message>
    <message>
        <source>To Move</source>
        <translation>手番</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>白番</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>黒番</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Candidate Move</source>
        <translation>候補手</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>評価値</translation>
    </message>
    <message>
        <source>Considering</source>
        <translation>検討中</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深さ</translation>
    </message>
    <message>
        <source>Root move, then deepest depth</source>
        <translation>ルートの手、最大の深さ</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>ノード数</translation>
    </message>
    <message>
        <source>Black wins %1 : %2</source>
        <translation>黒の勝ち %1 : %2</translation>
    </message>
    <message>
        <source>White wins %1 : %2</source>
        <translation>白の勝ち %1 : %2</translation>
    </message>
    <message>
        <source>Draw %1 : %2</source>
        <translation>引き分け %1 : %2</translation>
    </message>
    <message>
        <source>Infinite thinking time</source>
        <translation>思考時間 無制限</translation>
    </message>
    <message numerus="yes">
        <source>%n ply search</source>
        <translation>
            <numerusform>%n手読み</numerusform>
        </translation>
    </message>
    <message>
        <source>White passes — Black to move</source>
        <translation>白はパス — 黒番</translation>
    </message>
    <message>
        <source>Black passes — White to move</source>
        <translation>黒はパス — 白番</translation>
    </message>
    <message>
        <source>White passes again (%1) — Black to move</source>
        <translation>白は再びパス (%1) — 黒番</translation>
    </message>
    <message>
        <source>Black passes again (%1) — White to move</source>
        <translation>黒は再びパス (%1) — 白番</translation>
    </message>
    <message>
        <source>passes</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>passes (%1)</source>
        <translation>パス (%1)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 完全</translation>
    </message>
    <message>
        <source>book</source>
        <translation>定石</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>The game that will send you flipping mad!!</source>
        <translation>ひっくり返して夢中になるゲーム!!</translation>
    </message>
</context>
<context>
    <name>TToolbar</name>
    <message>
        <source>|Open a game file</source>
        <translation>|棋譜ファイルを開く</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>|Save a game file</source>
        <translation>|棋譜をファイルに保存する</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>|New game</source>
        <translation>|新しい対局を始める</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
</context>
<context>
    <name>TUndoMyMove</name>
    <message>
        <source>&amp;Undo My Move</source>
        <translation>自分の手を戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Take back your last move and the computer&apos;s answer</source>
        <translation>自分の最後の手とコンピュータの応手を戻す</translation>
    </message>
    <message>
        <source>&amp;Redo My Move</source>
        <translation>自分の手をやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Play your move taken back and the computer&apos;s answer again</source>
        <translation>戻した自分の手とコンピュータの応手をもう一度打つ</translation>
    </message>
</context>
<context>
    <name>TVersionLabel</name>
    <message>
        <source>File Version:</source>
        <translation>ファイルバージョン:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>会社名:</translation>
    </message>
    <message>
        <source>File Description:</source>
        <translation>ファイルの説明:</translation>
    </message>
    <message>
        <source>Internal Name:</source>
        <translation>内部名:</translation>
    </message>
    <message>
        <source>Legal Copyright:</source>
        <translation>著作権:</translation>
    </message>
    <message>
        <source>Original Filename:</source>
        <translation>元のファイル名:</translation>
    </message>
    <message>
        <source>Product Name:</source>
        <translation>製品名:</translation>
    </message>
    <message>
        <source>Product Version:</source>
        <translation>製品バージョン:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>フラグ:</translation>
    </message>
    <message>
        <source>&lt; No design info &gt;</source>
        <translation>&lt; 設計情報なし &gt;</translation>
    </message>
    <message>
        <source>&lt; No Data Available &gt;</source>
        <translation>&lt; データなし &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving version info &gt;</source>
        <translation>&lt; バージョン情報の読み込みエラー &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving translation info &gt;</source>
        <translation>&lt; 言語情報の読み込みエラー &gt;</translation>
    </message>
    <message>
        <source>&lt; No Version Info &gt;</source>
        <translation>&lt; バージョン情報なし &gt;</translation>
    </message>
    <message>
        <source>, Debug Build</source>
        <translation>、デバッグビルド</translation>
    </message>
    <message>
        <source>, Pre-Release Build</source>
        <translation>、プレリリース版</translation>
    </message>
    <message>
        <source>, Patched Build</source>
        <translation>、パッチ適用版</translation>
    </message>
    <message>
        <source>, Private Build</source>
        <translation>、プライベートビルド</translation>
    </message>
    <message>
        <source>, InfoInferred</source>
        <translation>、推定情報</translation>
    </message>
    <message>
        <source>, Special Build</source>
        <translation>、特別版</translation>
    </message>
</context>
<context>
    <name>TGamesPlayed</name>
    <message>
        <source>&amp;Games Played...</source>
        <translation>対局成績(&amp;G)...</translation>
    </message>
    <message>
        <source>Your wins, draws and losses against each opponent</source>
        <translation>相手ごとの勝ち・引き分け・負け</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>対局成績</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>アナリスト: 強い</translation>
    </message>
    <message>
        <source>Analyst: Good</source>
        <translation>アナリスト: 上級</translation>
    </message>
    <message>
        <source>Analyst: Club</source>
        <translation>アナリスト: 中級</translation>
    </message>
    <message>
        <source>Analyst: Beginner</source>
        <translation>アナリスト: 初級</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>エンジン: %1</translation>
    </message>
    <message>
        <source>The game could not be counted in %1: %2.</source>
        <translation>対局を %1 に記録できませんでした: %2。</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>相手</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>対局数</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Average Margin</source>
        <translation>平均石差</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>リセット(&amp;R)...</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is; games are not counted in it until it is repaired or the statistics are reset.</source>
        <translation>%1 を読み込めません: %2。ファイルはそのまま残します。修復するか成績をリセットするまで、対局は記録されません。</translation>
    </message>
    <message>
        <source>No game against the computer has been counted yet.</source>
        <translation>コンピュータとの対局はまだ記録されていません。</translation>
    </message>
    <message>
        <source>Your games against the computer, kept in %1; the margin is your discs less the computer&apos;s.</source>
        <translation>コンピュータとの対局 (%1 に保存)。石差は自分の石数からコンピュータの石数を引いたものです。</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of this run could not be counted yet.</source>
        <translation>
            <numerusform>今回の%n局はまだ記録できていません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget all games counted so far? This cannot be undone.</source>
        <translation>これまでに記録したすべての対局を消去しますか? 元に戻せません。</translation>
    </message>
    <message>
        <source>%1 could not be reset: %2.</source>
        <translation>%1 をリセットできませんでした: %2。</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>レベル: %1</translation>
    </message>
</context>
<context>
    <name>TStrongLevel</name>
    <message>
        <source>Strong</source>
        <translation>強い</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Plays its best move.</source>
        <translation>最善手を打ちます。</translation>
    </message>
    <message>
        <source>Loses up to %1 discs a move.</source>
        <translation>1手で最大%1石損します。</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 s a move</source>
        <translation>アナリスト: %1、1手%2秒</translation>
    </message>
</context>
<context>
    <name>TAnimateFlips</name>
    <message>
        <source>Animate Flips</source>
        <translation>石の反転をアニメーション</translation>
    </message>
    <message>
        <source>Turn the discs a move flips over in a short animation</source>
        <translation>着手で返る石を短いアニメーションで裏返す</translation>
    </message>
</context>
</TS>
