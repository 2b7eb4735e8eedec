<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Backups</name>
    <message>
        <source>cannot create %1</source>
        <translation>%1 を作成できません</translation>
    </message>
</context>
<context>
    <name>ChannelBulkEdit</name>
    <message>
        <source>No value chosen.</source>
        <translation>値が選ばれていません。</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>行 %1、%2: %3</translation>
    </message>
    <message>
        <source>No used channel is selected.</source>
        <translation>使用中のチャンネルが選ばれていません。</translation>
    </message>
    <message>
        <source>Select at least two rows to sort.</source>
        <translation>並べ替えるには2行以上を選んでください。</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>Row %1 (pasted line %2), %3: %4</source>
        <translation>行 %1（貼り付けの %2 行目）、%3: %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no frequency</source>
        <translation>「%1」は周波数ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>「%1」は %2 のどれでもありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than 8 characters or holds a character the radio cannot store (A-Z, 0-9, blank and # $ ( ) * + - / = \ _ are stored)</source>
        <translation>「%1」は8文字を超えるか、無線機が記憶できない文字を含みます（A-Z、0-9、空白と # $ ( ) * + - / = \ _ が使えます）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;Skip&quot; nor empty</source>
        <translation>「%1」は「Skip」でも空でもありません</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>クリップボードにチャンネルがありません。</translation>
    </message>
    <message>
        <source>%1 channels from row %2 do not fit: the list ends at row %3.</source>
        <translation>行 %2 から %1 チャンネルは入りません（最後の行は %3 です）。</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): not a channel record</source>
        <translation>行 %1（貼り付けの %2 行目）: チャンネルのレコードではありません</translation>
    </message>
    <message>
        <source>the mode code is none of the radio&apos;s modes</source>
        <translation>モードのコードが無線機のモードにありません</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): %3 columns, at most %4 expected (%5)</source>
        <translation>行 %1（貼り付けの %2 行目）: 列が %3 個あります（最大 %4 個: %5）</translation>
    </message>
</context>
<context>
    <name>ChannelFields</name>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Pwr</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>NB</source>
        <translation>NB</translation>
    </message>
    <message>
        <source>Split Freq.</source>
        <translation>Split Freq.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>ChannelValues</name>
    <message>
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>S-Low</source>
        <translation>S-Low</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>the file ends before line 610</source>
        <translation>ファイルが 610 行目より前で終わっています</translation>
    </message>
    <message>
        <source>line 1 (the header) is not 32 characters</source>
        <translation>1 行目（ヘッダ）が 32 文字ではありません</translation>
    </message>
    <message>
        <source>line %1 is not 64 characters</source>
        <translation>%1 行目が 64 文字ではありません</translation>
    </message>
    <message>
        <source>line 610 (the end line) is not 32 characters</source>
        <translation>610 行目（終了行）が 32 文字ではありません</translation>
    </message>
    <message>
        <source>unknown header</source>
        <translation>見出し行が不明です</translation>
    </message>
    <message>
        <source>wrong end line</source>
        <translation>最終行が正しくありません</translation>
    </message>
    <message>
        <source>a setting is beyond its list</source>
        <translation>設定値が選択肢の範囲外です</translation>
    </message>
    <message>
        <source>%1 has no valid mode</source>
        <translation>%1 のモードが正しくありません</translation>
    </message>
    <message>
        <source>channel line %1 has no valid mode</source>
        <translation>チャンネルの行 %1 のモードが正しくありません</translation>
    </message>
</context>
<context>
    <name>CsvChirpFiles</name>
    <message>
        <source>CHIRP CSV has no VFOs</source>
        <translation>CHIRP CSV にVFOはありません</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>1行目</translation>
    </message>
    <message>
        <source>the first line has no such column: nothing is taken</source>
        <translation>1行目にこの列がありません: 何も取り込みません</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1行目</translation>
    </message>
    <message>
        <source>“%1” is not a channel number 0 to 603</source>
        <translation>「%1」はチャンネル番号 0〜603 ではありません</translation>
    </message>
    <message>
        <source>the Location came before in the file; this line is left out</source>
        <translation>このLocationはファイルの前の方にもあります; この行は使いません</translation>
    </message>
</context>
<context>
    <name>CsvChirpMapping</name>
    <message>
        <source>%1 is not carried by CHIRP CSV</source>
        <translation>%1 は CHIRP CSV で運べません</translation>
    </message>
    <message>
        <source>power code %1</source>
        <translation>出力コード %1</translation>
    </message>
    <message>
        <source>tone byte %1</source>
        <translation>トーンバイト %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空欄</translation>
    </message>
    <message>
        <source>“%1” is not a frequency in MHz</source>
        <translation>「%1」は MHz の周波数ではありません</translation>
    </message>
    <message>
        <source>rounded to %1 MHz</source>
        <translation>%1 MHz に丸めました</translation>
    </message>
    <message>
        <source>%1 MHz is outside the range %2</source>
        <translation>%1 MHz は範囲 %2 の外です</translation>
    </message>
    <message>
        <source>TSQL: the radio sends the tone but does not squelch on it</source>
        <translation>TSQL: 無線機はトーンを送出しますがトーンスケルチはありません</translation>
    </message>
    <message>
        <source>DTCS: the radio has no DCS; tone off</source>
        <translation>DTCS: 無線機にDCSはありません; トーンはオフ</translation>
    </message>
    <message>
        <source>Cross %1: stored as tone %2</source>
        <translation>Cross %1: トーン %2 として記憶</translation>
    </message>
    <message>
        <source>“%1” is not a tone mode</source>
        <translation>「%1」はトーンモードではありません</translation>
    </message>
    <message>
        <source>%1 Hz: the radio sends the settings page&apos;s tone, %2 Hz</source>
        <translation>%1 Hz: 無線機は設定ページのトーン %2 Hz を送出します</translation>
    </message>
    <message>
        <source>the radio has no mode %1</source>
        <translation>無線機にモード %1 はありません</translation>
    </message>
    <message>
        <source>%1 stored as %2</source>
        <translation>%1 を %2 として記憶</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>「%1」を「%2」として記憶</translation>
    </message>
    <message>
        <source>P: the radio has no priority scan; not skipped</source>
        <translation>P: 無線機に優先スキャンはありません; スキップしません</translation>
    </message>
    <message>
        <source>“%1” is not S, P or empty</source>
        <translation>「%1」は S、P、空欄のいずれでもありません</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps %2</source>
        <translation>%1 は無線機の出力ではありません; チャンネルは %2 のままです</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps its power</source>
        <translation>%1 は無線機の出力ではありません; チャンネルの出力はそのままです</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is outside the range %2</source>
        <translation>送信周波数 %1 MHz は範囲 %2 の外です</translation>
    </message>
    <message>
        <source>off: the radio cannot forbid sending; stored as simplex</source>
        <translation>off: 無線機は送信を禁止できません; シンプレックスとして記憶</translation>
    </message>
    <message>
        <source>“%1” is not +, -, split, off or empty</source>
        <translation>「%1」は +、-、split、off、空欄のいずれでもありません</translation>
    </message>
    <message>
        <source>Cross without a CrossMode: stored as tone %1</source>
        <translation>CrossMode のない Cross: トーン %1 として記憶</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Layout of the CSV file:</source>
        <translation>CSVファイルの形式:</translation>
    </message>
    <message>
        <source>Exported to %1, %2</source>
        <translation>%1 にエクスポートしました、%2</translation>
    </message>
    <message>
        <source>%1 channels written to %2. %3 values are not carried by CHIRP CSV:</source>
        <translation>%1 チャンネルを %2 に書き込みました。%3 個の値は CHIRP CSV で運べません:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>インポート %1</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: it is this program&apos;s export in the original layout, whose columns the import reads as another vocabulary. Export in the full layout to bring channels back.</source>
        <translation>%1 から何も取り込みませんでした: このプログラムが従来の形式で書き出したファイルで、その列はインポートでは別の意味に読まれます。チャンネルを戻すには完全な形式でエクスポートしてください。</translation>
    </message>
    <message>
        <source>Imported %1 records, %2 dropped</source>
        <translation>%1 件を取り込み、%2 件を除外しました</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: %2</source>
        <translation>%1 から何も取り込みませんでした: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 lines taken, %4 of them with changes; %5 lines refused; %6 channels and VFOs changed.</source>
        <translation>%1、%2: %3 行を取り込み、うち %4 行は変更あり; %5 行を拒否しました; %6 個のチャンネルとVFOが変わりました。</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>the file holds no line with text</source>
        <translation>ファイルに文字のある行がありません</translation>
    </message>
    <message>
        <source>its first line “%1” names no layout: expected “KT-M40 full CSV” first (full layout), a Location column (CHIRP CSV) or “MODEL” first (original layout), separated by commas, semicolons or TABs</source>
        <translation>1行目「%1」はどの形式も示していません: 先頭に「KT-M40 full CSV」(完全な形式)、Location 列 (CHIRP CSV)、先頭に「MODEL」(従来の形式) のいずれかを、コンマ、セミコロン、タブ区切りで期待しました</translation>
    </message>
    <message>
        <source>; the names are there, but not separated by a comma, semicolon or TAB</source>
        <translation>; 名前はありますが、コンマ、セミコロン、タブで区切られていません</translation>
    </message>
    <message>
        <source>; it has a Frequency column but no Location column</source>
        <translation>; Frequency 列はありますが Location 列がありません</translation>
    </message>
</context>
<context>
    <name>CsvFullImport</name>
    <message>
        <source>empty</source>
        <translation>空欄</translation>
    </message>
    <message>
        <source>“%1” is not a frequency</source>
        <translation>「%1」は周波数ではありません</translation>
    </message>
    <message>
        <source>“%1” is not one of %2</source>
        <translation>「%1」は %2 のいずれでもありません</translation>
    </message>
    <message>
        <source>“%1” is longer than 8 characters</source>
        <translation>「%1」は8文字を超えています</translation>
    </message>
    <message>
        <source>the radio cannot store “%1”</source>
        <translation>無線機は「%1」を記憶できません</translation>
    </message>
    <message>
        <source>“%1” is not a code such as Gain=7</source>
        <translation>「%1」は Gain=7 のようなコードではありません</translation>
    </message>
    <message>
        <source>a VFO has no such field</source>
        <translation>VFOにはこの項目がありません</translation>
    </message>
    <message>
        <source>“%1” is not empty or Skip</source>
        <translation>「%1」は空欄でも Skip でもありません</translation>
    </message>
    <message>
        <source>%1=%2 left out: the text now says %3</source>
        <translation>%1=%2 は使いません: 表示は %3 になっています</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>1行目</translation>
    </message>
    <message>
        <source>the file names %1; the image keeps %2</source>
        <translation>ファイルは %1、イメージは %2 のままです</translation>
    </message>
    <message>
        <source>line 2</source>
        <translation>2行目</translation>
    </message>
    <message>
        <source>the title line has no such column: nothing is taken</source>
        <translation>見出し行にこの列がありません: 何も取り込みません</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1行目</translation>
    </message>
    <message>
        <source>“%1” is no row of the grids</source>
        <translation>「%1」はグリッドの行ではありません</translation>
    </message>
    <message>
        <source>the row came before in the file; this line is left out</source>
        <translation>この行はファイルの前の方にもあります; この行は使いません</translation>
    </message>
    <message>
        <source>“%1” rounded to %2</source>
        <translation>「%1」を %2 に丸めました</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>「%1」を「%2」として記憶</translation>
    </message>
</context>
<context>
    <name>CsvImportReport</name>
    <message>
        <source>changed</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>未転送</translation>
    </message>
    <message>
        <source>a quote opened on line %1 is still open at the end of line %2, where a %3 cannot go on: the line is left out and reading goes on with the next line</source>
        <translation>%1行目で始まった引用符が%2行目の終わりでも閉じていません（%3は改行を含めません）: この行は使わず、次の行から読み続けます</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Original layout (18 columns, VFOs and channels 0-199)</source>
        <translation>従来の形式 (18列、VFOとチャンネル0-199)</translation>
    </message>
    <message>
        <source>Full layout (all 604 channels and both VFOs, lossless)</source>
        <translation>完全な形式 (全604チャンネルと両VFO、欠落なし)</translation>
    </message>
    <message>
        <source>CHIRP CSV (channels for other programs)</source>
        <translation>CHIRP CSV (他のプログラム用のチャンネル)</translation>
    </message>
    <message>
        <source>original layout</source>
        <translation>従来の形式</translation>
    </message>
    <message>
        <source>full layout</source>
        <translation>完全な形式</translation>
    </message>
</context>
<context>
    <name>DlgCom</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM Port Setup</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>その他のポート:</translation>
    </message>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>仮想無線機 (デモ)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Find the radio</source>
        <translation>無線機を探す</translation>
    </message>
    <message>
        <source>Ask each listed port, USB ports first, for the radio&apos;s identification and choose the one that answers</source>
        <translation>一覧のポートに USB ポートから順に無線機の識別を問い合わせ、応答したポートを選びます</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>%1 に問い合わせ中...</translation>
    </message>
    <message>
        <source>%1 skipped: %2</source>
        <translation>%1 をとばしました: %2</translation>
    </message>
    <message>
        <source>No port answered as the radio.</source>
        <translation>無線機として応答したポートはありません。</translation>
    </message>
    <message>
        <source>The radio (%1) answered on %2: chosen (OK keeps it).</source>
        <translation>%2 で無線機 (%1) が応答しました: 選択しました（OK で確定）。</translation>
    </message>
    <message>
        <source>How often a block read or write whose reply was refused is sent again (0: never, every exchange once)</source>
        <translation>応答が不正だったブロックの読み書きを再送する回数（0: 再送しない）</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>再送回数:</translation>
    </message>
    <message>
        <source>Kept as %1, the same after replugging</source>
        <translation>%1 として保存します（差し直しても同じ名前です）</translation>
    </message>
    <message>
        <source>The search was stopped.</source>
        <translation>検索を中止しました。</translation>
    </message>
</context>
<context>
    <name>DlgFind</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>検索する文字列(&amp;N):</translation>
    </message>
    <message>
        <source>By n&amp;ame (any part)</source>
        <translation>名前で(&amp;A)（一部でも可）</translation>
    </message>
    <message>
        <source>By &amp;frequency (7.050.000, 7.05 or 7050000)</source>
        <translation>周波数で(&amp;F)（7.050.000、7.05、7050000）</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DlgModify</name>
    <message>
        <source>Modify </source>
        <translation>Modify </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Split Frequency</source>
        <translation>Split Frequency</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>RF Gain</source>
        <translation>RF Gain</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Noise Blanker</source>
        <translation>Noise Blanker</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Memory A</source>
        <translation>Memory A</translation>
    </message>
    <message>
        <source>Memory B</source>
        <translation>Memory B</translation>
    </message>
</context>
<context>
    <name>DlgSetField</name>
    <message>
        <source>Set Field</source>
        <translation>項目の一括設定</translation>
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
        <source>&amp;Field</source>
        <translation>項目(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>値(&amp;V)</translation>
    </message>
    <message>
        <source>On the %1 selected rows (empty channels stay empty):</source>
        <translation>選んだ %1 行に設定します（空きチャンネルは空のまま）:</translation>
    </message>
    <message>
        <source>On the selected row (an empty channel stays empty):</source>
        <translation>選んだ行に設定します（空きチャンネルは空のまま）:</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>1 channel</source>
        <translation>1 チャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>変更 %1</translation>
    </message>
    <message>
        <source>Model %1</source>
        <translation>機種 %1</translation>
    </message>
    <message>
        <source>Setting %1</source>
        <translation>設定 %1</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 をコピーしました</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>切り取り %1</translation>
    </message>
    <message>
        <source>%1 cut</source>
        <translation>%1 を切り取りました</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>貼り付け %1</translation>
    </message>
    <message>
        <source>%1 pasted from row %2</source>
        <translation>%1 を行 %2 から貼り付けました</translation>
    </message>
    <message>
        <source>Set Field</source>
        <translation>項目の一括設定</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>%1 の一括設定 %2</translation>
    </message>
    <message>
        <source>%1 set to %2: %3 changed</source>
        <translation>%1 を %2 に設定: %3 を変更</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Sort %1 by frequency</source>
        <translation>周波数順に並べ替え %1</translation>
    </message>
    <message>
        <source>Sort %1 by name</source>
        <translation>名前順に並べ替え %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>「%1」は見つかりません</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found.</source>
        <translation>「%1」は見つかりません。</translation>
    </message>
    <message>
        <source>Found at row %1</source>
        <translation>行 %1 で見つかりました</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>元に戻しました: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>やり直しました: %1</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>貼り付けませんでした</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>何も変更しませんでした</translation>
    </message>
    <message>
        <source>Nothing sorted</source>
        <translation>並べ替えませんでした</translation>
    </message>
    <message>
        <source>%1 sorted by frequency</source>
        <translation>%1 を周波数順に並べ替えました</translation>
    </message>
    <message>
        <source>%1 sorted by name</source>
        <translation>%1 を名前順に並べ替えました</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>開く %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About Korvan Clone Utility</source>
        <translation>About Korvan Clone Utility</translation>
    </message>
    <message>
        <source>Version 0.10.00 Beta</source>
        <translation>Version 0.10.00 Beta</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Korvan Radio Co., Ltd. All rights reserved.</source>
        <translation>Copyright (C) 2026 Korvan Radio Co., Ltd. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Warning: This computer program is protected by copyright law and international
treaties. Unauthorized reproduction or distribution of this program, or any
portion of it, may result in severe civil and criminal penalties, and will be
prosecuted to the maximum extent possible under the law.</source>
        <translation>警告: このコンピュータープログラムは著作権法および国際条約により保護されています。
本プログラムの全部または一部を無断で複製または配布すると、民事上および刑事上の
厳しい罰則の対象となり、法の許す最大限の範囲で訴追されます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Printed %1 page(s)</source>
        <translation>%1 ページを印刷しました</translation>
    </message>
    <message>
        <source>Printed %1 page(s) to %2</source>
        <translation>%1 ページを %2 に印刷しました</translation>
    </message>
    <message>
        <source>A transfer with the radio is under way.<byte value="xd"/>
Wait until it has ended, then close the window.</source>
        <translation>無線機との転送中です。<byte value="xd"/>
転送が終わってからウィンドウを閉じてください。</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>Changes(&amp;C)</source>
        <translation>変更分(&amp;C)</translation>
    </message>
    <message>
        <source>Read the radio, keep it as a backup, write only what differs and check it</source>
        <translation>無線機を読み出してバックアップし、異なる部分だけを書き込んで照合します</translation>
    </message>
    <message>
        <source>Verify(&amp;V)</source>
        <translation>ベリファイ(&amp;V)</translation>
    </message>
    <message>
        <source>Read the radio back and compare it with the window&apos;s data</source>
        <translation>無線機から読み返してウィンドウのデータと比べます</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Select All(&amp;L)</source>
        <translation>すべて選択(&amp;L)</translation>
    </message>
    <message>
        <source>Set Field(&amp;S)...</source>
        <translation>項目の一括設定(&amp;S)...</translation>
    </message>
    <message>
        <source>Sort Selection(&amp;O)</source>
        <translation>選択範囲の並べ替え(&amp;O)</translation>
    </message>
    <message>
        <source>By Frequency(&amp;F)</source>
        <translation>周波数順(&amp;F)</translation>
    </message>
    <message>
        <source>By Name(&amp;N)</source>
        <translation>名前順(&amp;N)</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Redo %1(&amp;R)</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>The window speaks %1 from its next start.</source>
        <translation>次回の起動から %1 で表示します。</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>Clear Menu(&amp;C)</source>
        <translation>一覧を消去(&amp;C)</translation>
    </message>
    <message>
        <source>%1 is no longer there. It has been taken off the recent files.</source>
        <translation>%1 はもうありません。最近使ったファイルの一覧から外しました。</translation>
    </message>
</context>
<context>
    <name>GridModels</name>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>KeptWorkNotice</name>
    <message>
        <source>Open Backup Folder</source>
        <translation>バックアップフォルダを開く</translation>
    </message>
    <message>
        <source>Unsaved work kept: %1</source>
        <translation>保存されていない作業の保管先: %1</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Insert %1</source>
        <translation>挿入 %1</translation>
    </message>
    <message>
        <source>DELETE OK</source>
        <translation>DELETE OK</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>削除 %1</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>CLEAR OK</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>クリア %1</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
This step can be undone with Edit &gt; Undo.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
この操作は [編集] &gt; [元に戻す] で取り消せます。</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Memorys</source>
        <translation>Memorys</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>One row per channel; Enter edits the current row</source>
        <translation>1 行が 1 チャンネル。Enter で現在の行を編集します</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Read Memory</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>Write Memory</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Communication Error</source>
        <translation>Communication Error</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>COM Port Error</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Data Error</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>File Open Error</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation>Save changes to settings?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>The frequency is outside the range. </source>
        <translation>The frequency is outside the range. </translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Memory channels (%1 of %2 used)</source>
        <translation>メモリーチャンネル (%2 中 %1 使用)</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>使用中のチャンネルはありません。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(無題)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
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
    <name>RadioSession</name>
    <message>
        <source>Retries: %1</source>
        <translation>再送: %1</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>%1: in use by another program (usually the desktop program kt-m40, which keeps its port open while it runs: close it or choose another port)</source>
        <translation>%1: 他のプログラムが使用中です（多くはデスクトップ版 kt-m40 で、起動中はポートを開いたままにします。終了するか別のポートを選んでください）</translation>
    </message>
    <message>
        <source>%1: %2 (the port belongs to the group &apos;%3&apos;: join it with &apos;sudo usermod -aG %3 $USER&apos;, then log in again)</source>
        <translation>%1: %2（このポートはグループ &apos;%3&apos; のものです。&apos;sudo usermod -aG %3 $USER&apos; で参加し、ログインし直してください）</translation>
    </message>
    <message>
        <source>%1: %2 (your user may not use this port)</source>
        <translation>%1: %2（このユーザーはこのポートを使えません）</translation>
    </message>
    <message>
        <source>%1: disconnected (the cable or adapter was unplugged, or the line hung up)</source>
        <translation>%1: 切断されました（ケーブルかアダプタが抜かれたか、回線が切れました）</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>an ordinary file</source>
        <translation>通常のファイル</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>デバイスではありません</translation>
    </message>
    <message>
        <source>%1: not a serial port (%2)</source>
        <translation>%1: シリアルポートではありません（%2）</translation>
    </message>
</context>
<context>
    <name>SettingsLists</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>RIT / TXIT</source>
        <translation>RIT / TXIT</translation>
    </message>
    <message>
        <source>Key Speed(WPM)</source>
        <translation>Key Speed(WPM)</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Key Lock</translation>
    </message>
    <message>
        <source>Dial Lock</source>
        <translation>Dial Lock</translation>
    </message>
    <message>
        <source>SSB Step</source>
        <translation>SSB Step</translation>
    </message>
    <message>
        <source>AM Step</source>
        <translation>AM Step</translation>
    </message>
    <message>
        <source>FM Step</source>
        <translation>FM Step</translation>
    </message>
    <message>
        <source>Memory Protection</source>
        <translation>Memory Protection</translation>
    </message>
    <message>
        <source>Memory Access</source>
        <translation>Memory Access</translation>
    </message>
    <message>
        <source>Scan Time</source>
        <translation>Scan Time</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Auto USB/LSB</source>
        <translation>Auto USB/LSB</translation>
    </message>
    <message>
        <source>TXIT Enable</source>
        <translation>TXIT Enable</translation>
    </message>
    <message>
        <source>Electronic Keyer</source>
        <translation>Electronic Keyer</translation>
    </message>
    <message>
        <source>Key Paddle</source>
        <translation>Key Paddle</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Revers</source>
        <translation>Revers</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Side Tone</translation>
    </message>
    <message>
        <source>Break In</source>
        <translation>Break In</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>FULL</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Tone Frequency</translation>
    </message>
    <message>
        <source>Speech Compressor</source>
        <translation>Speech Compressor</translation>
    </message>
    <message>
        <source>PTT Lock</source>
        <translation>PTT Lock</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Auto Power Off</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Scan Type</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Search Range</source>
        <translation>Search Range</translation>
    </message>
    <message>
        <source>Scan Skip</source>
        <translation>Scan Skip</translation>
    </message>
    <message>
        <source>No Skip</source>
        <translation>No Skip</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Auto AGC</source>
        <translation>Auto AGC</translation>
    </message>
    <message>
        <source>Key Ratio</source>
        <translation>Key Ratio</translation>
    </message>
    <message>
        <source>Up Down Key</source>
        <translation>Up Down Key</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Func Key Resume</source>
        <translation>Func Key Resume</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Auto Select</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Read Settings</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>Write Settings</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>VFO A and VFO B; Enter edits the current row</source>
        <translation>VFO A と VFO B。Enter で現在の行を編集します</translation>
    </message>
    <message>
        <source>Settings 1</source>
        <translation>Settings 1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>ﾌｧｲﾙ(&amp;F)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>ﾍﾟｰｼﾞ設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>変更(&amp;M)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>ﾂｰﾙ ﾊﾞｰ(&amp;T)</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>ﾂｰﾙ(&amp;T)</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>COM ポートセットアップ(&amp;C)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ﾍﾙﾌﾟ(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ﾍﾙﾌﾟ</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>ｽﾃｰﾀｽﾊﾞｰ(&amp;S)</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>ｲﾝﾎﾟｰﾄ(&amp;I)...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>ｴｸｽﾎﾟｰﾄ(&amp;E)...</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>読み出し(&amp;R)</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>メモリー(&amp;M)</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>すべて(&amp;A)</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Verify</source>
        <translation>ベリファイ</translation>
    </message>
    <message>
        <source>%1  %2: window %3, radio %4</source>
        <translation>%1  %2: ウィンドウ %3、無線機 %4</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
    <message>
        <source>No port to open</source>
        <translation>開くポートがありません</translation>
    </message>
    <message>
        <source>Written to the radio in %1</source>
        <translation>無線機への書き込みが終わりました (%1)</translation>
    </message>
    <message>
        <source>The radio answered in %1</source>
        <translation>無線機が応答しました (%1)</translation>
    </message>
    <message>
        <source>Read from the radio in %1. </source>
        <translation>無線機からの読み出しが終わりました (%1)。</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>バックアップを保存しました: %1</translation>
    </message>
    <message>
        <source>No backup saved: %1</source>
        <translation>バックアップを保存できません: %1</translation>
    </message>
    <message>
        <source>Verify: the radio holds what Write would send</source>
        <translation>ベリファイ: 無線機の内容は書き込むデータと一致しています</translation>
    </message>
    <message>
        <source>The radio holds what Write would send.</source>
        <translation>無線機の内容は書き込むデータと一致しています。</translation>
    </message>
    <message>
        <source>Verify: %1 difference(s)</source>
        <translation>ベリファイ: 相違 %1 件</translation>
    </message>
    <message>
        <source>%1 difference(s) between the window and the radio:</source>
        <translation>ウィンドウと無線機の相違 %1 件:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>無線機は書き込んだ内容を保持していません:</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>%1 of %2 records, %3 elapsed, %4 left</source>
        <translation>%2 件中 %1 件、経過 %3、残り %4</translation>
    </message>
</context>
<context>
    <name>TransferRun</name>
    <message>
        <source>Read ALL</source>
        <translation>すべて読み出し</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>メモリー読み出し</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>設定読み出し</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>自動選択</translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>the reply to the %1 begins with &apos;%2&apos;, the echo of another command: a late answer or an earlier run&apos;s reply</source>
        <translation>%1 への応答が &apos;%2&apos; で始まっています（別のコマンドのエコーです）: 遅れた応答か、前回の実行の応答です</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>No backup saved: %1</source>
        <translation>バックアップを保存できません: %1</translation>
    </message>
</context>
<context>
    <name>WriteChanges</name>
    <message>
        <source>%1 records differed, %2 written, all verified</source>
        <translation>%1 件のレコードが異なり、%2 件を書き込み、すべて照合済み</translation>
    </message>
    <message>
        <source>%1 records differed, %2 written, %3 differ after writing</source>
        <translation>%1 件のレコードが異なり、%2 件を書き込み、書き込み後も %3 件が異なります</translation>
    </message>
</context>
<context>
    <name>WriteChangesProgress</name>
    <message>
        <source>Write Changes: reading %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>変更分の書き込み: 読み出し %1 / %2 件、経過 %3、残り %4</translation>
    </message>
    <message>
        <source>Write Changes: writing %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>変更分の書き込み: 書き込み %1 / %2 件、経過 %3、残り %4</translation>
    </message>
    <message>
        <source>Write Changes: checking %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>変更分の書き込み: 照合 %1 / %2 件、経過 %3、残り %4</translation>
    </message>
</context>
</TS>
