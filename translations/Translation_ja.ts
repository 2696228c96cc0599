<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3. All rights reserved.</source>
        <translation>Copyright %1 %2 %3. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>%1 is updated by your system&apos;s package manager, together with the rest of your software.</source>
        <translation>%1 は、ほかのソフトウェアと同じく、システムのパッケージマネージャーで更新されます。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>フィードバックとサポート</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>ログフォルダーを表示</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Extract Images...</source>
        <translation>画像を抽出...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>印刷...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Side Panel</source>
        <translation>サイドパネル</translation>
    </message>
    <message>
        <source>Single Page</source>
        <translation>単一ページ</translation>
    </message>
    <message>
        <source>Two Columns</source>
        <translation>2 列</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>ページに合わせる</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Rotate Current Page Left</source>
        <translation>現在のページを左に回転</translation>
    </message>
    <message>
        <source>Rotate Current Page Right</source>
        <translation>現在のページを右に回転</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>ブックマーク(&amp;B)</translation>
    </message>
    <message>
        <source>Add Bookmarks</source>
        <translation>ブックマークを追加</translation>
    </message>
    <message>
        <source>Manage Bookmarks</source>
        <translation>ブックマークを管理</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>次のタブ</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>前のタブ</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>タブを閉じる</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近使ったファイルを開く</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>すべてのタブを閉じる</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Convert every drawing given, and the drawings in the folders given, into DIR, keeping the folders&apos; structure below it.</source>
        <translation>指定した各図面と、指定したフォルダー内の図面を DIR に変換し、その下にフォルダーの構成を保ちます。</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>With --out-dir: pdf (the default), png, svg or txt (the text, page by page).</source>
        <translation>--out-dir と共に: pdf (既定)、png、svg、または txt (ページごとのテキスト)。</translation>
    </message>
    <message>
        <source>format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>With --out-dir: search the folders given and all folders below them.</source>
        <translation>--out-dir と共に: 指定したフォルダーとその下のすべてのフォルダーを検索します。</translation>
    </message>
    <message>
        <source>With --out-dir: replace existing outputs, which are otherwise kept.</source>
        <translation>--out-dir と共に: 既存の出力を置き換えます (指定しない場合は残します)。</translation>
    </message>
    <message>
        <source>With --out-dir: convert only drawings changed since their output was written, replacing the older outputs.</source>
        <translation>--out-dir と共に: 出力の書き出し後に変更された図面だけを変換し、古い出力を置き換えます。</translation>
    </message>
    <message>
        <source>With --out-dir: convert N drawings at a time, each in a process of its own (default: the number of processors).</source>
        <translation>--out-dir と共に: 一度に N 個の図面を、それぞれ別のプロセスで変換します (既定: プロセッサー数)。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --out-dir: give up on a drawing after this many seconds (default 120).</source>
        <translation>--out-dir と共に: この秒数を過ぎた図面は中止します (既定 120)。</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>With --out-dir: the most memory, in MB, one drawing&apos;s process may use (default: an equal share of the machine&apos;s memory for each process).</source>
        <translation>--out-dir と共に: 1 つの図面のプロセスが使えるメモリの上限 (MB)。既定はマシンのメモリを各プロセスで均等に分けた量です。</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>With --out-dir: write a JSON record of every drawing (input, output, status, reason, pages, seconds, peak memory) to FILE.</source>
        <translation>--out-dir と共に: 各図面の JSON レコード (入力、出力、状態、理由、ページ数、秒数、最大メモリ) を FILE に書き出します。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory and --report need --out-dir.</source>
        <translation>--format、--recursive、--overwrite、--skip-newer、-j、--timeout、--max-memory、--report には --out-dir が必要です。</translation>
    </message>
    <message>
        <source>--out-dir needs a folder.</source>
        <translation>--out-dir にはフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>Invalid --format &quot;%1&quot;: expected pdf, png, svg or txt.</source>
        <translation>--format の値「%1」が正しくありません: pdf、png、svg、txt のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Invalid -j &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>-j の値「%1」が正しくありません: 1 から %2 までの整数を指定してください。</translation>
    </message>
    <message>
        <source>Invalid --timeout &quot;%1&quot;: expected seconds, more than 0 and at most 86400.</source>
        <translation>--timeout の値「%1」が正しくありません: 0 より大きく 86400 以下の秒数を指定してください。</translation>
    </message>
    <message>
        <source>Invalid --max-memory &quot;%1&quot;: expected a whole number of MB, at least %2.</source>
        <translation>--max-memory の値「%1」が正しくありません: %2 以上の整数 (MB) を指定してください。</translation>
    </message>
</context>
<context>
    <name>BatchInputCollector</name>
    <message>
        <source>Cannot read it: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <source>This folder is searched already as %1 (a symbolic link leads to it again).</source>
        <translation>このフォルダーは %1 として検索済みです (シンボリックリンクが再びここを指しています)。</translation>
    </message>
    <message>
        <source>Cannot read the folder: %1</source>
        <translation>フォルダーを読み込めません: %1</translation>
    </message>
    <message>
        <source>Not a drawing.</source>
        <translation>図面ではありません。</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
</context>
<context>
    <name>BatchOutputNames</name>
    <message>
        <source>Another drawing has the output name %1 too; this one is written as %2.</source>
        <translation>別の図面も出力名 %1 になるため、この図面は %2 として書き出します。</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>変換済み %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed    %1: %2</source>
        <translation>失敗 %1: %2</translation>
    </message>
    <message>
        <source>skipped   %1: %2</source>
        <translation>スキップ %1: %2</translation>
    </message>
    <message>
        <source>%1/%2 done, %3 failed, %4 drawings/s</source>
        <translation>%1/%2 完了、%3 失敗、%4 図面/秒</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 converted, %2 failed, %3 skipped</source>
        <translation>%1 変換、%2 失敗、%3 スキップ</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>レポート %1 を書き出せません: %2</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Cannot write into the output folder %1: %2</source>
        <translation>出力フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>レポート %1 を書き出せません。</translation>
    </message>
    <message>
        <source>Its output is newer than the drawing.</source>
        <translation>出力が図面より新しいです。</translation>
    </message>
    <message>
        <source>Its output exists; --overwrite replaces it.</source>
        <translation>出力が既にあります。--overwrite で置き換えます。</translation>
    </message>
    <message>
        <source>Cannot write into the output folder: %1</source>
        <translation>出力フォルダーに書き込めません: %1</translation>
    </message>
    <message>
        <source>Cannot read it: its name is not valid in this locale.</source>
        <translation>読み込めません: 名前が現在のロケールで有効ではありません。</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>変換処理は何も書き出しませんでした。</translation>
    </message>
    <message>
        <source>The converter wrote an unexpected file: %1</source>
        <translation>変換処理が予期しないファイルを書き出しました: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>%1 に書き込めません: フォルダーです。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The output would lie outside the output folder.</source>
        <translation>出力が出力フォルダーの外になります。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link: outputs are written only inside the output folder.</source>
        <translation>%1 はシンボリックリンクです: 出力は出力フォルダーの中にだけ書き出します。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Interrupted: drawings not finished are not in the report, and nothing of them was written.</source>
        <translation>中断しました: 完了していない図面はレポートに含まれず、何も書き出していません。</translation>
    </message>
</context>
<context>
    <name>BatchWorker</name>
    <message>
        <source>The converter could not be started: %1</source>
        <translation>変換処理を開始できませんでした: %1</translation>
    </message>
    <message>
        <source>Given up after %1 s: the drawing takes too long.</source>
        <translation>%1 秒で中止しました: 図面の処理に時間がかかりすぎます。</translation>
    </message>
    <message>
        <source>Ran out of memory (at most %1 MB for one drawing).</source>
        <translation>メモリが不足しました (1 つの図面につき最大 %1 MB)。</translation>
    </message>
    <message>
        <source>The converter stopped on signal %1 (%2).</source>
        <translation>変換処理がシグナル %1 (%2) で停止しました。</translation>
    </message>
    <message>
        <source>The converter gave no result.</source>
        <translation>変換処理から結果が返りませんでした。</translation>
    </message>
    <message>
        <source>The converter failed with exit code %1.</source>
        <translation>変換処理が終了コード %1 で失敗しました。</translation>
    </message>
</context>
<context>
    <name>BookmarkDialog</name>
    <message>
        <source>Type a name for the bookmark:</source>
        <translation>ブックマークの名前を入力してください:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
</context>
<context>
    <name>BookmarkListDialog</name>
    <message>
        <source>Bookmarks</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>BookmarkStoreAlerts</name>
    <message>
        <source>Bookmarks Unavailable</source>
        <translation>ブックマークを利用できません</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be read: %2

It has been left unchanged, and no bookmark was changed.</source>
        <translation>ブックマークファイル「%1」を読み込めませんでした: %2

ファイルはそのままにしてあり、ブックマークは変更されていません。</translation>
    </message>
    <message>
        <source>Bookmarks Not Saved</source>
        <translation>ブックマークを保存できませんでした</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be written: %2

Your earlier bookmarks are unchanged.</source>
        <translation>ブックマークファイル「%1」に書き込めませんでした: %2

以前のブックマークは変更されていません。</translation>
    </message>
    <message>
        <source>Another window is changing the bookmarks right now. Please try again.</source>
        <translation>別のウィンドウがブックマークを変更しています。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Bookmarks File Damaged</source>
        <translation>ブックマークファイルの破損</translation>
    </message>
    <message>
        <source>The bookmarks file was damaged and could not be read. It has been kept as &quot;%1&quot;, and new bookmarks start from an empty list.</source>
        <translation>ブックマークファイルが破損していたため、読み込めませんでした。ファイルは「%1」として残してあり、新しいブックマークは空のリストから始まります。</translation>
    </message>
</context>
<context>
    <name>BrowserTabBar</name>
    <message>
        <source>Open files</source>
        <translation>ファイルを開く</translation>
    </message>
</context>
<context>
    <name>DocumentLoadController</name>
    <message>
        <source>Still Opening</source>
        <translation>まだ開いています</translation>
    </message>
    <message>
        <source>The drawing is still being read. Try again when it is open.</source>
        <translation>図面をまだ読み込んでいます。開き終わってからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>DocumentLoadingWidget</name>
    <message>
        <source>Opening %1</source>
        <translation>%1 を開いています</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>印刷しています...</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>印刷に失敗しました</translation>
    </message>
    <message>
        <source>The document could not be sent to the printer %1.</source>
        <translation>プリンター %1 に文書を送信できませんでした。</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF に書き出し</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Saving PDF...</source>
        <translation>PDF を保存しています...</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>書き出しに失敗しました</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>Print what I see</source>
        <translation>表示どおりに印刷</translation>
    </message>
    <message>
        <source>Print the layers as the layer panel shows them, instead of the layers the drawing is set to print.</source>
        <translation>図面の印刷設定のレイヤーではなく、レイヤー パネルに表示されているとおりにレイヤーを印刷します。</translation>
    </message>
</context>
<context>
    <name>DocumentReloadController</name>
    <message>
        <source>%1 could not be read again. %2 The tab shows the version read before.</source>
        <translation>%1 を再度読み込めませんでした。%2 タブには前に読み込んだ版が表示されています。</translation>
    </message>
</context>
<context>
    <name>DrawingThumbnailer</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 はファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 は空です。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: no thumbnail is made of it.</source>
        <translation>%1 は %2 MB を超えています: サムネイルは作成しません。</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>%1 を読み込めませんでした: 図面が破損しています。</translation>
    </message>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 は読み込める図面ではありません。</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 にはページがありません。</translation>
    </message>
    <message>
        <source>Page 1 of %1 is empty.</source>
        <translation>%1 のページ 1 は空です。</translation>
    </message>
    <message>
        <source>Page 1 of %1 could not be laid out.</source>
        <translation>%1 のページ 1 をレイアウトできませんでした。</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>%1 x %2 ピクセルの画像に必要なメモリが足りません。</translation>
    </message>
    <message>
        <source>Cannot encode the picture: %1</source>
        <translation>画像をエンコードできません: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>EmbeddedImageExporter</name>
    <message>
        <source>There is nothing to export, or no folder to export to.</source>
        <translation>書き出すものがないか、書き出し先のフォルダーがありません。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in the way.</source>
        <translation>フォルダー %1 を作成できません: 同じ名前のファイルがあります。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be saved. %3</source>
        <translation>%2 個中 %1 個の画像を保存できませんでした。%3</translation>
    </message>
</context>
<context>
    <name>ExportCommandLine</name>
    <message>
        <source>Print a JSON summary of the drawing (title, creator, creation date and, per page, name, size in inches, layers and item counts) instead of converting it.</source>
        <translation>変換せずに、図面の JSON 概要 (タイトル、作成者、作成日、およびページごとの名前、インチ単位のサイズ、レイヤー、項目数) を出力します。</translation>
    </message>
    <message>
        <source>Export only pages A to B (counting from 1).</source>
        <translation>A から B までのページだけを書き出します (1 から数えます)。</translation>
    </message>
    <message>
        <source>A-B</source>
        <translation>A-B</translation>
    </message>
    <message>
        <source>Resolution of PNG output (default 96).</source>
        <translation>PNG 出力の解像度 (既定値 96)。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PDF paper: a4 or letter, each page scaled to fit and centred. Without it every sheet has its drawing page&apos;s own size.</source>
        <translation>PDF の用紙: a4 または letter。各ページを縮小・拡大して中央に配置します。指定しない場合、各シートは図面ページと同じサイズになります。</translation>
    </message>
    <message>
        <source>size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>診断メッセージを表示します。</translation>
    </message>
    <message>
        <source>[output]</source>
        <translation>[出力]</translation>
    </message>
    <message>
        <source>--info takes exactly one drawing.</source>
        <translation>--info には図面を 1 つだけ指定してください。</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>図面と出力ファイルを指定してください (--help を参照)。</translation>
    </message>
    <message>
        <source>Invalid page range &quot;%1&quot;: expected A-B with 1 &lt;= A &lt;= B.</source>
        <translation>ページ範囲「%1」が正しくありません: 1 &lt;= A &lt;= B となる A-B を指定してください。</translation>
    </message>
    <message>
        <source>Invalid --dpi &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>--dpi の値「%1」が正しくありません: 1 から %2 までの整数を指定してください。</translation>
    </message>
    <message>
        <source>--dpi applies to PNG output only.</source>
        <translation>--dpi は PNG 出力にのみ使用できます。</translation>
    </message>
    <message>
        <source>Invalid --paper &quot;%1&quot;: expected a4 or letter.</source>
        <translation>--paper の値「%1」が正しくありません: a4 または letter を指定してください。</translation>
    </message>
    <message>
        <source>--paper applies to PDF output only.</source>
        <translation>--paper は PDF 出力にのみ使用できます。</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>図面</translation>
    </message>
    <message>
        <source>Save the drawing&apos;s pictures as PNG files in DIR/NAME/, named NAME_P001_I01.png (page, then picture), and print each file written. Exits with 3 when the drawing has no pictures.</source>
        <translation>図面の画像を PNG ファイルとして DIR/NAME/ に NAME_P001_I01.png (ページ、画像の順の番号) という名前で保存し、書き出した各ファイルを出力します。図面に画像がない場合は終了コード 3 で終了します。</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>--images takes exactly one drawing.</source>
        <translation>--images には図面を 1 つだけ指定してください。</translation>
    </message>
    <message>
        <source>--images writes every picture as it is: --pages, --dpi and --paper do not apply.</source>
        <translation>--images は各画像をそのまま書き出します: --pages、--dpi、--paper は使用できません。</translation>
    </message>
    <message>
        <source>Print the drawing&apos;s text on standard output in reading order, each page headed by its name and ended by a form feed, for search indexers.</source>
        <translation>図面のテキストを読む順に標準出力へ出力します。各ページは名前を見出しとし、改ページ文字で終わります (検索インデクサー向け)。</translation>
    </message>
    <message>
        <source>The Visio drawing to read; with --out-dir, drawings and folders.</source>
        <translation>読み込む Visio 図面。--out-dir と共に使う場合は図面とフォルダー。</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png, OUT.svg or OUT.txt.</source>
        <translation>OUT.pdf、OUT.png、OUT.svg、または OUT.txt。</translation>
    </message>
    <message>
        <source>--text takes exactly one drawing.</source>
        <translation>--text には図面を 1 つだけ指定してください。</translation>
    </message>
    <message>
        <source>--out-dir needs at least one drawing or folder.</source>
        <translation>--out-dir には図面またはフォルダーを 1 つ以上指定してください。</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png, .svg or .txt: %1</source>
        <translation>出力ファイルの拡張子は .pdf、.png、.svg、.txt のいずれかにしてください: %1</translation>
    </message>
    <message>
        <source>List each page&apos;s layers with their flags (visible or hidden, print or no-print) instead of converting the drawing.</source>
        <translation>図面を変換せずに、各ページのレイヤーとその設定 (表示または非表示、印刷するかどうか) を一覧表示します。</translation>
    </message>
    <message>
        <source>Leave the layer NAME out of the output; may be given more than once.</source>
        <translation>レイヤー NAME を出力から除外します。複数回指定できます。</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers には図面を 1 つだけ指定します。</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG, SVG or text.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.
With --out-dir, converts many drawings at once, several at a time.</source>
        <translation>Visio 図面 (.vsd、.vsdx、.vdx、およびステンシル、テンプレート、マクロ有効の各形式) のページを PDF、PNG、SVG、テキストに変換します。
PNG と SVG はページごとに 1 ファイルを書き出します: OUT-1.png、OUT-2.png、...
出力には図面が印刷するレイヤーが含まれます。ステンシルは、マスター シェイプを名前付きで並べたシートになります。
--out-dir を指定すると、多数の図面を複数同時に一括変換します。</translation>
    </message>
    <message>
        <source>--info, --layers, --images, --text and --out-dir do not go together.</source>
        <translation>--info、--layers、--images、--text、--out-dir は同時に指定できません。</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG, SVG and text output only.</source>
        <translation>--hide-layer は PDF、PNG、SVG、テキストの出力にのみ使用できます。</translation>
    </message>
</context>
<context>
    <name>ImageExtractionController</name>
    <message>
        <source>Select Export Directory</source>
        <translation>書き出し先のフォルダーを選択</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Directory does not exist or is not writable!</source>
        <translation>フォルダーが存在しないか、書き込みできません！</translation>
    </message>
    <message>
        <source>Extracting images...</source>
        <translation>画像を抽出しています...</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>画像の書き出し</translation>
    </message>
    <message>
        <source>This document does not contain any images.</source>
        <translation>この文書には画像が含まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>Extraction cancelled. %n picture(s) saved in %1.</source>
        <translation>
            <numerusform>抽出を中止しました。%n 個の画像を %1 に保存しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>書き出しに失敗しました</translation>
    </message>
</context>
<context>
    <name>LayerPanel</name>
    <message>
        <source>Layers</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>Unnamed layer %1</source>
        <translation>名前のないレイヤー %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hidden layers</source>
        <translation>非表示のレイヤー</translation>
    </message>
    <message>
        <source>What the drawing keeps on hidden layers, where the file does not say which.</source>
        <translation>ファイルにレイヤー名が記録されていない、図面の非表示レイヤー上の内容です。</translation>
    </message>
    <message>
        <source>Layers not printed</source>
        <translation>印刷しないレイヤー</translation>
    </message>
    <message>
        <source>What the drawing shows but does not print, where the file does not say on which layers.</source>
        <translation>ファイルにレイヤー名が記録されていない、表示されるが印刷されない内容です。</translation>
    </message>
    <message>
        <source>Layers printed only</source>
        <translation>印刷のみのレイヤー</translation>
    </message>
    <message>
        <source>What the drawing prints but does not show, where the file does not say on which layers.</source>
        <translation>ファイルにレイヤー名が記録されていない、印刷されるが表示されない内容です。</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>印刷されません</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View thumbnails or content only</source>
        <translation>サムネイルを表示 / 内容のみ表示</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>View two pages</source>
        <translation>2 ページ表示</translation>
    </message>
    <message>
        <source>View page by page</source>
        <translation>1 ページずつ表示</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Display actual size</source>
        <translation>実際のサイズで表示</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Zoom to fit window</source>
        <translation>ウィンドウに合わせる</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>最初のページ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後のページ</translation>
    </message>
    <message>
        <source>TurnPage</source>
        <translation>ページ移動</translation>
    </message>
    <message>
        <source>90° counterclockwise all pages</source>
        <translation>すべてのページを左に 90° 回転</translation>
    </message>
    <message>
        <source>90° clockwise all pages</source>
        <translation>すべてのページを右に 90° 回転</translation>
    </message>
    <message>
        <source>90° counterclockwise current page</source>
        <translation>現在のページを左に 90° 回転</translation>
    </message>
    <message>
        <source>90° clockwise current page</source>
        <translation>現在のページを右に 90° 回転</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF として保存</translation>
    </message>
    <message>
        <source>Extract images</source>
        <translation>画像を抽出</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>ファイルを追加するか、ここにドラッグしてください</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ ファイルを追加</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>Unsupported file format or corrupted document.</source>
        <translation>サポートされていないファイル形式か、文書が破損しています。</translation>
    </message>
    <message>
        <source>Open Visio File</source>
        <translation>Visio ファイルを開く</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Visio Files (%1)</source>
        <translation>Visio ファイル (%1)</translation>
    </message>
</context>
<context>
    <name>NativeMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>The file was not found.</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>It is a folder, not a drawing.</source>
        <translation>これはフォルダーで、図面ではありません。</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>ファイルではなく、デバイスまたはパイプです。</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>読み取る権限がありません。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>ファイルが大きすぎて開けません。</translation>
    </message>
    <message>
        <source>It is not a Visio drawing.</source>
        <translation>Visio の図面ではありません。</translation>
    </message>
    <message>
        <source>The drawing is damaged and could not be read.</source>
        <translation>図面が破損しているため読み込めませんでした。</translation>
    </message>
    <message>
        <source>The drawing has no pages.</source>
        <translation>図面にページがありません。</translation>
    </message>
</context>
<context>
    <name>PageExporter</name>
    <message>
        <source>Cannot write %1: it is a folder or write-protected.</source>
        <translation>%1 に書き込めません: フォルダーか書き込み禁止です。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>No pages to write.</source>
        <translation>書き出すページがありません。</translation>
    </message>
    <message>
        <source>Page %1 is too large for %2 dpi: at most %3 pixels a side and %4 megapixels. Choose a lower --dpi.</source>
        <translation>%1 ページ目は %2 dpi では大きすぎます: 1 辺 %3 ピクセル、%4 メガピクセルまでです。--dpi を小さくしてください。</translation>
    </message>
    <message>
        <source>Not enough memory for page %1.</source>
        <translation>%1 ページ目に必要なメモリが足りません。</translation>
    </message>
    <message>
        <source>Cannot encode page %1: %2</source>
        <translation>%1 ページ目をエンコードできません: %2</translation>
    </message>
    <message>
        <source>Cannot start the SVG output for page %1.</source>
        <translation>%1 ページ目の SVG 出力を開始できません。</translation>
    </message>
    <message>
        <source>Cannot write the text to standard output: %1</source>
        <translation>テキストを標準出力に書き出せません: %1</translation>
    </message>
</context>
<context>
    <name>PageTextExtractor</name>
    <message>
        <source>Page %1</source>
        <translation>ページ %1</translation>
    </message>
</context>
<context>
    <name>PdfDocumentWriter</name>
    <message>
        <source>No pages to write.</source>
        <translation>書き出すページがありません。</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>%1 に書き込めません: フォルダーです。</translation>
    </message>
    <message>
        <source>Cannot write %1: the file is write-protected.</source>
        <translation>%1 に書き込めません: ファイルが書き込み禁止です。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be started.</source>
        <translation>%1 に書き込めません: PDF 出力を開始できませんでした。</translation>
    </message>
    <message>
        <source>Cannot write %1: page %2 could not be started.</source>
        <translation>%1 に書き込めません: %2 ページ目を開始できませんでした。</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be finished.</source>
        <translation>%1 に書き込めません: PDF 出力を完了できませんでした。</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Remove Missing Drawings</source>
        <translation>見つからない図面を削除</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (見つかりません)</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>一覧から削除</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ThumbnailPanel</name>
    <message>
        <source>Page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>ThumbnailerCommandLine</name>
    <message>
        <source>Writes a PNG picture of page 1 of a Visio drawing, for file managers to show as
the drawing&apos;s thumbnail; they run it as plandraw.thumbnailer says. It gives up,
leaving no file behind, on anything but a drawing with a page 1 to show, and on
drawings that take longer than the time limit.</source>
        <translation>Visio 図面のページ 1 を PNG 画像として書き出し、ファイル マネージャーが図面の
サムネイルとして表示します。ファイル マネージャーは plandraw.thumbnailer の
記述どおりに実行します。表示できるページ 1 のある図面以外のもの、および制限時間
を超える図面では、ファイルを残さずに処理を中止します。</translation>
    </message>
    <message>
        <source>The picture&apos;s longer side in pixels; larger sizes than %1 are brought down to %1.</source>
        <translation>画像の長辺のピクセル数。%1 を超えるサイズは %1 に縮小されます。</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>Give up after SECONDS (default %1).</source>
        <translation>SECONDS 秒で中止します (既定値 %1)。</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>診断メッセージを表示します。</translation>
    </message>
    <message>
        <source>input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>読み込む Visio 図面。</translation>
    </message>
    <message>
        <source>output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>書き出す PNG ファイル。</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>図面と出力ファイルを指定してください (--help を参照)。</translation>
    </message>
    <message>
        <source>Give the picture&apos;s size with -s SIZE.</source>
        <translation>-s SIZE で画像のサイズを指定してください。</translation>
    </message>
    <message>
        <source>The size must be a whole number of pixels, at least 1.</source>
        <translation>サイズは 1 以上の整数のピクセル数で指定してください。</translation>
    </message>
    <message>
        <source>The time limit must be a number of seconds above 0 and at most %1.</source>
        <translation>制限時間は 0 より大きく %1 以下の秒数で指定してください。</translation>
    </message>
</context>
<context>
    <name>ViewerCommandLine</name>
    <message>
        <source>Views Microsoft Visio drawings (.vsd, .vsdx, .vdx, and stencils and templates),
each in a tab of its own.</source>
        <translation>Microsoft Visio 図面 (.vsd、.vsdx、.vdx、およびステンシルとテンプレート) を
それぞれ専用のタブで表示します。</translation>
    </message>
    <message>
        <source>drawings</source>
        <translation>図面</translation>
    </message>
    <message>
        <source>The drawings to open.</source>
        <translation>開く図面。</translation>
    </message>
    <message>
        <source>[drawing...]</source>
        <translation>[図面...]</translation>
    </message>
</context>
<context>
    <name>VisioStencilGrid</name>
    <message>
        <source>This stencil has no masters.</source>
        <translation>このステンシルにはマスター シェイプがありません。</translation>
    </message>
    <message>
        <source>Masters %1–%2</source>
        <translation>マスター シェイプ %1–%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 は読み込める図面ではありません。</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>%1 を読み込めませんでした: 図面が破損しています。</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 にはページがありません。</translation>
    </message>
    <message numerus="yes">
        <source>The page range selects no page: the drawing has %n page(s).</source>
        <translation>
            <numerusform>ページ範囲に該当するページがありません: 図面は %n ページです。</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawing could not be laid out.</source>
        <translation>図面をレイアウトできませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder that can be written.</source>
        <translation>「%1」は書き込み可能なフォルダーではありません。</translation>
    </message>
    <message>
        <source>The drawing has no pictures.</source>
        <translation>図面に画像がありません。</translation>
    </message>
    <message>
        <source>Gave up after %1 seconds: the drawing takes too long.</source>
        <translation>%1 秒で中止しました: 図面の処理に時間がかかりすぎます。</translation>
    </message>
    <message>
        <source>Gave up: the drawing needs too much memory.</source>
        <translation>中止しました: 図面に必要なメモリが多すぎます。</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>図面に「%1」という名前のレイヤーはありません。</translation>
    </message>
</context>
</TS>
