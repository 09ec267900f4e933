<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AudioChoices</name>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元のまま</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
</context>
<context>
    <name>MediaFileFilters</name>
    <message>
        <source>Video Files</source>
        <translation>動画ファイル</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>音声ファイル</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>All Media Files</source>
        <translation>すべてのメディアファイル</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>両方残す</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
</context>
<context>
    <name>VideoChoices</name>
    <message>
        <source>Original</source>
        <translation>元のまま</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Pass 1</source>
        <translation>1 パス</translation>
    </message>
    <message>
        <source>Pass 2</source>
        <translation>2 パス</translation>
    </message>
</context>
<context>
    <name>velmont::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Velmont Media Converter</source>
        <translation>Velmont メディアコンバーターについて</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont メディアコンバーター</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright © Velmont Studio</source>
        <translation>Copyright © Velmont Studio</translation>
    </message>
</context>
<context>
    <name>velmont::CAudioDlg</name>
    <message>
        <source>Enable Audio</source>
        <translation>音声を有効</translation>
    </message>
    <message>
        <source>Audio Type:</source>
        <translation>音声形式:</translation>
    </message>
    <message>
        <source>Channel Mode:</source>
        <translation>チャンネル:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>周波数:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>ビットレート:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量:</translation>
    </message>
</context>
<context>
    <name>velmont::CConfigDlg</name>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Advanced Video</source>
        <translation>動画の詳細</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>出力形式:</translation>
    </message>
    <message>
        <source>shut down your PC after conversion</source>
        <translation>変換後に PC の電源を切る</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>同時変換数:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>How many files are converted at once. Automatic: one per core, and files whose encoder already uses every core (video, two passes) one at a time.</source>
        <translation>同時に変換するファイルの数。自動: コアごとに 1 つ。エンコーダーがすでに全コアを使うファイル (動画、2 パス) は 1 つずつ。</translation>
    </message>
    <message>
        <source>Keep the folder structure</source>
        <translation>フォルダー構成を保持する</translation>
    </message>
    <message>
        <source>Files added from a folder&apos;s subfolders are written to the same subfolders below the output folder.</source>
        <translation>フォルダーのサブフォルダーから追加したファイルは、出力フォルダーの下の同じサブフォルダーに書き出されます。</translation>
    </message>
</context>
<context>
    <name>velmont::CConvertDlg</name>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>再開始</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Files being converted</source>
        <translation>変換中のファイル</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Stop after the current files</source>
        <translation>現在のファイルの後で停止</translation>
    </message>
    <message>
        <source>Let the running files finish and start no new one; Restart goes on</source>
        <translation>実行中のファイルを終えて新たに始めない。「再開始」で続行</translation>
    </message>
    <message>
        <source>There is no file to convert</source>
        <translation>変換するファイルがありません</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 個のファイルを変換しました</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 個のファイルを変換しました</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>、%1 個失敗</translation>
    </message>
    <message>
        <source>Failed to shut down</source>
        <translation>シャットダウンできませんでした</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Please stop the conversion at first</source>
        <translation>先に変換を停止してください</translation>
    </message>
    <message>
        <source>Batch %1 %</source>
        <translation>全体 %1 %</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>、残り %1</translation>
    </message>
    <message>
        <source>Conversion log</source>
        <translation>変換ログ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Done in %1 — %2 converted</source>
        <translation>完了 (%1) — %2 個変換</translation>
    </message>
    <message>
        <source>The output folder could not be opened (is a file manager installed?):
</source>
        <translation>出力フォルダーを開けませんでした (ファイルマネージャーはインストールされていますか?):
</translation>
    </message>
</context>
<context>
    <name>velmont::COthersDlg</name>
    <message>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>余白</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>上:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>右:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>左:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>下:</translation>
    </message>
</context>
<context>
    <name>velmont::CTagDlg</name>
    <message>
        <source>ID3 Tag - </source>
        <translation>ID3 タグ - </translation>
    </message>
    <message>
        <source>Artist(Author):</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>トラック:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>velmont::CVideoDlg</name>
    <message>
        <source>Video Type:</source>
        <translation>動画形式:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>フレーム率:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>アスペクト比:</translation>
    </message>
    <message>
        <source>Quantizer Scale:</source>
        <translation>量子化:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>ビットレート:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>パス:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>最小:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>最大:</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>動画ビットレート</translation>
    </message>
</context>
<context>
    <name>velmont::JobRowView</name>
    <message>
        <source>Please wait for the conversion</source>
        <translation>変換をお待ちください</translation>
    </message>
    <message>
        <source>Suspended!</source>
        <translation>一時停止中！</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>停止しました！</translation>
    </message>
    <message>
        <source>Written as: %1</source>
        <translation>書き込み先: %1</translation>
    </message>
</context>
<context>
    <name>velmont::MainDialog</name>
    <message>
        <source>Add files to list</source>
        <translation>ファイルをリストに追加</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>選択したファイルをリストから削除</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Start to convert the files selected in the list</source>
        <translation>リストで選んだファイルを変換</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Move up the selected file</source>
        <translation>選んだファイルを上へ</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Move down the selected file</source>
        <translation>選んだファイルを下へ</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Play the selected file</source>
        <translation>選んだファイルを再生</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Edit the ID3 Tag of the selected file</source>
        <translation>選んだファイルの ID3 タグを編集</translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation>タグを編集</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont メディアコンバーター</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>変換するファイル</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Please &lt;+Add&gt; files to convert</source>
        <translation>&lt;+Add&gt; で変換するファイルを追加</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>出力ファイル名</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>失敗しました！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The output folder could not be kept for the next start.
</source>
        <translation>出力フォルダーを次回の起動用に保存できませんでした。
</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>About Velmont Media Converter...</source>
        <translation>Velmont メディアコンバーターについて...</translation>
    </message>
    <message>
        <source>No File is selected !</source>
        <translation>ファイルが選択されていません！</translation>
    </message>
    <message>
        <source>Can not play the file but it does not influence the conversion</source>
        <translation>ファイルを再生できませんが、変換には影響しません</translation>
    </message>
    <message>
        <source>Please set the check status if you want to convert the file !</source>
        <translation>変換するファイルにチェックを入れてください！</translation>
    </message>
    <message>
        <source>Please select output directory !</source>
        <translation>出力フォルダーを選んでください！</translation>
    </message>
    <message>
        <source>These files are already in the output folder:
</source>
        <translation>次のファイルは出力フォルダーに既にあります：
</translation>
    </message>
    <message>
        <source>  and %1 more
</source>
        <translation>  ほか %1 件
</translation>
    </message>
    <message>
        <source>
Overwrite them, keep both (the new files get free names) or skip those files?</source>
        <translation>
上書きしますか、両方残しますか（新しいファイルは空いている名前になります）、それともスキップしますか？</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no media files itself.
Add the %2 files in its subfolders?</source>
        <translation>フォルダー「%1」自体にはメディアファイルがありません。
サブフォルダーにある %2 個のファイルを追加しますか?</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>ファイルを追加中: %1 / %2</translation>
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
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Output to</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>The settings could not be kept for the next start.
</source>
        <translation>設定を次回の起動用に保存できませんでした。
</translation>
    </message>
    <message>
        <source>Every checked file&apos;s output is already in the output folder, so all were skipped.
Press Convert again to choose Overwrite or Keep both instead.</source>
        <translation>チェックしたすべてのファイルの出力がすでに出力フォルダーにあるため、すべてスキップしました。
もう一度「変換」を押すと「上書き」または「両方残す」を選べます。</translation>
    </message>
    <message>
        <source>The help could not be opened: is a web browser installed?
The help is the file help.html beside the program.</source>
        <translation>ヘルプを開けませんでした。Web ブラウザーはインストールされていますか?
ヘルプはプログラムと同じ場所にある help.html です。</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>すべてチェック</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>すべてのチェックを外す</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>リストを空にする</translation>
    </message>
</context>
</TS>
