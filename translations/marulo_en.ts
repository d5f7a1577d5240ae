<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BatchTexts</name>
    <message>
        <source>変換しました: %1 -&gt; %2</source>
        <translation>converted %1 -&gt; %2</translation>
    </message>
    <message>
        <source>失敗しました: %1: %2</source>
        <translation>FAILED %1: %2</translation>
    </message>
    <message>
        <source>変換しませんでした: %1 (%2 があります)</source>
        <translation>skipped %1 (%2 exists)</translation>
    </message>
    <message>
        <source>%1 件中 %2 件を変換、%3 件が失敗、%4 件は変換しませんでした (%5)</source>
        <translation>%2 of %1 converted, %3 failed, %4 skipped (%5)</translation>
    </message>
    <message>
        <source>変換を中止しました。%1 件中 %2 件を変換、%3 件が失敗しました (%4)</source>
        <translation>Stopped: %2 of %1 converted, %3 failed (%4)</translation>
    </message>
    <message>
        <source>%1/%2 件  %3  経過 %4  残り %5</source>
        <translation>%1/%2 files  %3  elapsed %4  remaining %5</translation>
    </message>
    <message>
        <source>&quot;%1&quot; がありません。または読み取る権限がありません。</source>
        <translation>&quot;%1&quot; does not exist or cannot be read.</translation>
    </message>
    <message>
        <source>変換するファイルかフォルダを指定して下さい。</source>
        <translation>Name the files or folders to convert.</translation>
    </message>
    <message>
        <source>--%1 に &quot;%2&quot; は指定できません。指定できる値: %3</source>
        <translation>--%1 does not accept &quot;%2&quot;. Accepted values: %3</translation>
    </message>
    <message>
        <source>--mode wav では --%1 は指定できません。</source>
        <translation>--%1 cannot be used with --mode wav.</translation>
    </message>
    <message>
        <source>使い方は marulo --batch --help で表示されます。</source>
        <translation>Run marulo --batch --help for usage.</translation>
    </message>
    <message>
        <source>アルバムのラウドネスを測れませんでした: %1: %2</source>
        <translation>Could not measure the album&apos;s loudness: %1: %2</translation>
    </message>
</context>
<context>
    <name>ConversionMessages</name>
    <message>
        <source> ファイルが選択されていません。ファイル一覧より変換ファイルを選択して下さい。</source>
        <translation> No file selected. Select a file to convert in the file list.</translation>
    </message>
    <message>
        <source> フォルダ内に有効なファイルがありません。*.wav </source>
        <translation> No file to convert in this folder. *.wav </translation>
    </message>
    <message>
        <source> %1 による %2 の変換に失敗しました。</source>
        <translation> %1 failed to convert %2.</translation>
    </message>
    <message>
        <source> %1 件中 %2 件が失敗しました:%3</source>
        <translation> %2 of %1 files failed:%3</translation>
    </message>
    <message>
        <source> 変換を中止しました。%1 件中 %2 件を変換しました。</source>
        <translation> Conversion stopped. %2 of %1 files converted.</translation>
    </message>
    <message>
        <source> 変換を中止しました。%1 件中 %2 件を変換し、%3 件が失敗しました。</source>
        <translation> Conversion stopped. %2 of %1 files converted, %3 failed.</translation>
    </message>
    <message>
        <source> 変換先に同じ名前のファイルがあるため、変換しませんでした。</source>
        <translation> Not converted: a file of that name is already among the results.</translation>
    </message>
    <message>
        <source> アルバムの音量を測定できなかったため、変換しませんでした。</source>
        <translation> The album&apos;s loudness could not be measured, so nothing was converted.</translation>
    </message>
</context>
<context>
    <name>FormTexts</name>
    <message>
        <source>LAME を用いて MP1/MP2/MP3 -&gt; WAV に変換します。</source>
        <translation>Converts MP1/MP2/MP3 to WAV with LAME.</translation>
    </message>
    <message>
        <source>flac.exe を用いて FLAC -&gt; WAV に変換します。</source>
        <translation>Converts FLAC to WAV with flac.exe.</translation>
    </message>
    <message>
        <source>ttaenc.exe を用いて TTA -&gt; WAV に変換します。</source>
        <translation>Converts TTA to WAV with ttaenc.exe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; は数値ではありません。</source>
        <translation>&quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>エンコードモードの選択</source>
        <translation>Choose the encode mode</translation>
    </message>
    <message>
        <source>チャンネルモードの設定</source>
        <translation>Set the channel mode</translation>
    </message>
    <message>
        <source>モノラル</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>ステレオ</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>デュアルチャンネル</source>
        <translation>Dual channel</translation>
    </message>
    <message>
        <source>ジョイントステレオ</source>
        <translation>Joint stereo</translation>
    </message>
    <message>
        <source>中間ファイルを削除します。</source>
        <translation>Deletes the intermediate files.</translation>
    </message>
    <message>
        <source>可変ビットレートモードでエンコード</source>
        <translation>Encode with a variable bitrate</translation>
    </message>
    <message>
        <source>平均ビットレートモードでエンコード</source>
        <translation>Encode with an average bitrate</translation>
    </message>
    <message>
        <source>VBR ： 高速エンコード処理設定。</source>
        <translation>VBR: faster encoding.</translation>
    </message>
    <message>
        <source>最大＆最小ビットレートの範囲指定が出来ます。</source>
        <translation>Lets you set the highest and lowest bitrate.</translation>
    </message>
    <message>
        <source>エラープロテクションの使用</source>
        <translation>Use error protection</translation>
    </message>
    <message>
        <source>2CH -&gt; 1CH [ ダウンミックスにてモノラル ]  に変換します。</source>
        <translation>Converts 2CH -&gt; 1CH [ mono by downmixing ].</translation>
    </message>
    <message>
        <source>正規化</source>
        <translation>Normalize</translation>
    </message>
    <message>
        <source>正規化： ％ 設定</source>
        <translation>Normalize: level in %</translation>
    </message>
    <message>
        <source>圧縮レベル設定 ： ０ ( 低圧縮／高速 ) ～ ９ ( 高圧縮／低速 )</source>
        <translation>Compression level: 0 ( least / fastest ) to 9 ( most / slowest )</translation>
    </message>
    <message>
        <source>VBR 音質設定 ： ０ ( 高音質／大容量 ) ～ ９ ( 低音質／小容量 )</source>
        <translation>VBR quality: 0 ( best / largest ) to 9 ( lowest / smallest )</translation>
    </message>
    <message>
        <source>音質精度設定 ： ０ ( 高精度／低速 ) ～ ９ ( 低精度／高速 )</source>
        <translation>Precision: 0 ( most precise / slowest ) to 9 ( least precise / fastest )</translation>
    </message>
    <message>
        <source>VBR 音質設定 ：  ０ ( 低音質 / 小容量 )  ～  １０ ( 高音質 / 大容量 )</source>
        <translation>VBR quality: 0 ( lowest / smallest ) to 10 ( best / largest )</translation>
    </message>
    <message>
        <source>VBR 音質自動設定</source>
        <translation>VBR quality preset</translation>
    </message>
    <message>
        <source>CBR＆ABR(平均)の設定</source>
        <translation>Bitrate for CBR and ABR (average)</translation>
    </message>
    <message>
        <source>最大ビットレートの設定</source>
        <translation>Highest bitrate</translation>
    </message>
    <message>
        <source>最小ビットレートの設定</source>
        <translation>Lowest bitrate</translation>
    </message>
    <message>
        <source>ドライブの選択</source>
        <translation>Choose a drive</translation>
    </message>
    <message>
        <source>フォルダの選択</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>変換ファイルを１ファイル選択出来ます。</source>
        <translation>Choose one file to convert.</translation>
    </message>
    <message>
        <source>指定ファイルをエンコードします。</source>
        <translation>Encodes the chosen file.</translation>
    </message>
    <message>
        <source>指定フォルダ内ファイルをエンコードします。</source>
        <translation>Encodes the files in the chosen folder.</translation>
    </message>
    <message>
        <source>作業終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Encode Mode 設定時にメッセージを表示。</source>
        <translation>Shows a message when the Encode Mode is set.</translation>
    </message>
</context>
<context>
    <name>LogTexts</name>
    <message>
        <source>変換ログ</source>
        <translation>Conversion log</translation>
    </message>
    <message>
        <source>ログをコピー</source>
        <translation>Copy log</translation>
    </message>
    <message>
        <source>ログ全体をテキストとしてクリップボードにコピーします。</source>
        <translation>Copies the whole log to the clipboard as text.</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>変換ソフト</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>変換中</source>
        <translation>Converting</translation>
    </message>
    <message>
        <source>コマンド : </source>
        <translation>Command: </translation>
    </message>
    <message>
        <source>実行ファイル : </source>
        <translation>Program: </translation>
    </message>
    <message>
        <source>実行ファイル : 見つかりませんでした</source>
        <translation>Program: not found</translation>
    </message>
    <message>
        <source>変換ソフトの最後の出力 :</source>
        <translation>Last output of the converter:</translation>
    </message>
</context>
<context>
    <name>MenuTexts</name>
    <message>
        <source>変換先フォルダ ( %1 ) を開く(&amp;R)</source>
        <translation>Open the &amp;results folder ( %1 )</translation>
    </message>
    <message>
        <source>一つ上のフォルダを開く(&amp;U)</source>
        <translation>Open the folder one level &amp;up</translation>
    </message>
    <message>
        <source>ホームフォルダを開く(&amp;H)</source>
        <translation>Open the &amp;home folder</translation>
    </message>
    <message>
        <source>このファイルをファイルマネージャで表示(&amp;F)</source>
        <translation>Show this file in the &amp;file manager</translation>
    </message>
    <message>
        <source>開くフォルダのパス ( Enter で開く / Esc で閉じる )</source>
        <translation>Path of a folder to open ( Enter opens / Esc closes )</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source> 変換先フォルダ &quot;%1&quot; はまだありません。</source>
        <translation> The results folder &quot;%1&quot; does not exist yet.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; をファイルマネージャで開けませんでした。</source>
        <translation> &quot;%1&quot; could not be opened in the file manager.</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source> &quot;%1&quot; を開けませんでした。</source>
        <translation> &quot;%1&quot; could not be opened.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; は 今のモードでは一覧に表示されないため、フォルダのみを開きました。</source>
        <translation> &quot;%1&quot; is not listed in this mode, so only its folder was opened.</translation>
    </message>
    <message>
        <source> 変換中です。中止するには Esc キーを押して下さい。</source>
        <translation> A conversion is running. Press Esc to stop it.</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>(アルバムの音量測定)</source>
        <translation>(album loudness measurement)</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source> 変換が終わり次第終了します。すぐに中止するには Esc キーを押して下さい。</source>
        <translation> Quitting when the conversion ends. Press Esc to stop it now.</translation>
    </message>
    <message>
        <source>skipped: the result is already there: </source>
        <translation>skipped: the result is already there: </translation>
    </message>
</context>
<context>
    <name>SettingDeclarations</name>
    <message>
        <source>上書きする</source>
        <translation>Overwrite it</translation>
    </message>
    <message>
        <source>そのファイルは変換しない</source>
        <translation>Do not convert that file</translation>
    </message>
    <message>
        <source>番号を付けて両方残す</source>
        <translation>Keep both, adding a number</translation>
    </message>
    <message>
        <source>同時に変換するファイルの数</source>
        <translation>Files converted at once</translation>
    </message>
    <message>
        <source>( この PC のプロセッサ数 : %1 )</source>
        <translation>( processors in this PC: %1 )</translation>
    </message>
    <message>
        <source>変換後のファイルが既にある時</source>
        <translation>When the result already exists</translation>
    </message>
    <message>
        <source>前回開いていたフォルダで起動する</source>
        <translation>Start in the folder open last time</translation>
    </message>
    <message>
        <source>( 次回の起動から有効になります )</source>
        <translation>( takes effect at the next start )</translation>
    </message>
    <message>
        <source>ピーク (E1 の値)</source>
        <translation>Peak (E1&apos;s value)</translation>
    </message>
    <message>
        <source>ラウドネス (ファイルごと)</source>
        <translation>Loudness (each file)</translation>
    </message>
    <message>
        <source>ラウドネス (アルバム全体)</source>
        <translation>Loudness (whole album)</translation>
    </message>
    <message>
        <source>-23 LUFS (EBU R128 放送)</source>
        <translation>-23 LUFS (EBU R128 broadcast)</translation>
    </message>
    <message>
        <source>-16 LUFS (ポッドキャスト)</source>
        <translation>-16 LUFS (podcasts)</translation>
    </message>
    <message>
        <source>-14 LUFS (配信サービス)</source>
        <translation>-14 LUFS (streaming services)</translation>
    </message>
    <message>
        <source>ノーマライズの方法</source>
        <translation>Normalize by</translation>
    </message>
    <message>
        <source>目標のラウドネス (LUFS)</source>
        <translation>Target loudness (LUFS)</translation>
    </message>
    <message>
        <source>トゥルーピークの上限 (dBTP)</source>
        <translation>True peak ceiling (dBTP)</translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>設定(&amp;S)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source> 設定ファイルを保存できませんでした。保存先のフォルダを確認して下さい。</source>
        <translation> The settings file could not be saved. Please check its folder.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source> Normalize.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。</source>
        <translation> Normalize.exe was not found in the program folder. Please check.</translation>
    </message>
    <message>
        <source> lame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。</source>
        <translation> lame.exe was not found in the program folder. Please check.</translation>
    </message>
    <message>
        <source> lame.exe を用いたエンコードです。上限は&quot;320&quot;までです。</source>
        <translation> Encoding with lame.exe. The limit is &quot;320&quot;.</translation>
    </message>
    <message>
        <source> toolame.exe を用いたエンコードです。上限は&quot;384&quot;までです。</source>
        <translation> Encoding with toolame.exe. The limit is &quot;384&quot;.</translation>
    </message>
    <message>
        <source> toolame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。</source>
        <translation> toolame.exe was not found in the program folder. Please check.</translation>
    </message>
    <message>
        <source> aoTuV ( oggenc.exe ) を用いたエンコードです。音質の追求中なので期待！</source>
        <translation> Encoding with aoTuV ( oggenc.exe ). Tuned for ever better quality!</translation>
    </message>
    <message>
        <source> aoTuV ( oggenc.exe ) が 起動フォルダ内に見つかりません。確認をして下さい。</source>
        <translation> aoTuV ( oggenc.exe ) is not in the program folder. Please check.</translation>
    </message>
    <message>
        <source> aacenc.exe を用いた 可変ビットレートによるエンコードです。上限は&quot;512&quot;までです。</source>
        <translation> Variable bitrate encoding with aacenc.exe. The limit is &quot;512&quot;.</translation>
    </message>
    <message>
        <source> aacenc.exe を用いた 平均ビットレートによるエンコードです。 上限は&quot;512&quot;までです。</source>
        <translation> Average bitrate encoding with aacenc.exe.  The limit is &quot;512&quot;.</translation>
    </message>
    <message>
        <source> aacenc.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。</source>
        <translation> aacenc.exe was not found in the program folder. Please check.</translation>
    </message>
    <message>
        <source> flac.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]</source>
        <translation> Encoding with flac.exe. [ lossless format ]</translation>
    </message>
    <message>
        <source> flac.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。</source>
        <translation> flac.exe was not found in the program folder. Please check.</translation>
    </message>
    <message>
        <source> ttaenc.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]</source>
        <translation> Encoding with ttaenc.exe. [ lossless format ]</translation>
    </message>
    <message>
        <source> ttaenc.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。</source>
        <translation> ttaenc.exe was not found in the program folder. Please check.</translation>
    </message>
    <message>
        <source> Normalize.exe を用い、正規化のみを行います。</source>
        <translation> Normalizing only, with Normalize.exe.</translation>
    </message>
    <message>
        <source> lame.exe を用いた 可変ビットレートによるエンコードです。</source>
        <translation> Variable bitrate encoding with lame.exe.</translation>
    </message>
    <message>
        <source> lame.exe を用いた 平均ビットレートによるエンコードです。上限は&quot;320&quot;までです。</source>
        <translation> Average bitrate encoding with lame.exe. The limit is &quot;320&quot;.</translation>
    </message>
    <message>
        <source> lame.exe を用いた 固定ビットレートによるエンコードです。上限は&quot;320&quot;までです。</source>
        <translation> Constant bitrate encoding with lame.exe. The limit is &quot;320&quot;.</translation>
    </message>
    <message>
        <source> aoTuV ( oggenc.exe ) を用いた 可変ビットレートによるエンコードです。推薦！</source>
        <translation> Variable bitrate encoding with aoTuV ( oggenc.exe ). Recommended!</translation>
    </message>
    <message>
        <source> aoTuV ( oggenc.exe ) を用いた 平均ビットレートによるエンコードです。上限は&quot;448&quot;です。</source>
        <translation> Average bitrate encoding with aoTuV ( oggenc.exe ). The limit is &quot;448&quot;.</translation>
    </message>
    <message>
        <source> aoTuV ( oggenc.exe ) を用いた 固定ビットレートによるエンコードです。上限は&quot;448&quot;です。</source>
        <translation> Constant bitrate encoding with aoTuV ( oggenc.exe ). The limit is &quot;448&quot;.</translation>
    </message>
    <message>
        <source> aacenc.exe を用いた 可変ビットレートによるエンコードです。</source>
        <translation> Variable bitrate encoding with aacenc.exe.</translation>
    </message>
    <message>
        <source> aacenc.exe を用いた 平均ビットレートによるエンコードです。上限は&quot;512&quot;までです。</source>
        <translation> Average bitrate encoding with aacenc.exe. The limit is &quot;512&quot;.</translation>
    </message>
    <message>
        <source> lame.exe を用い、MP1/MP2/MP3 形式のファイル を WAV ファイル に変換します。</source>
        <translation> Converts MP1/MP2/MP3 files to WAV files with lame.exe.</translation>
    </message>
    <message>
        <source> flac.exe を用い、FLAC 形式のファイル を WAV ファイル に変換します。</source>
        <translation> Converts FLAC files to WAV files with flac.exe.</translation>
    </message>
    <message>
        <source> ttaenc.exe を用い、TTA 形式のファイル を WAV ファイル に変換します。</source>
        <translation> Converts TTA files to WAV files with ttaenc.exe.</translation>
    </message>
    <message>
        <source> aoTuv ( oggenc.exe ) を用いたエンコードです。 [ 推薦モードは &quot; VBR &quot; ]</source>
        <translation> Encoding with aoTuv ( oggenc.exe ). [ Recommended mode: &quot; VBR &quot; ]</translation>
    </message>
</context>
</TS>
