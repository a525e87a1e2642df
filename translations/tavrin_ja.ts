<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>ChannelTable</name>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset / Tx</source>
        <translation>オフセット / 送信</translation>
    </message>
    <message>
        <source>Tone Mode</source>
        <translation>トーンモード</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCSコード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FMナロー</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>スプリット</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
</context>
<context>
    <name>CsvChannels</name>
    <message>
        <source>%1 channel exported.</source>
        <translation>%1 チャンネルをエクスポートしました。</translation>
    </message>
    <message>
        <source>%1 channels exported.</source>
        <translation>%1 チャンネルをエクスポートしました。</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>周波数がありません</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is not a frequency in MHz</source>
        <translation>周波数「%1」はMHz単位の周波数ではありません</translation>
    </message>
    <message>
        <source>frequency %1 MHz is outside the band</source>
        <translation>周波数 %1 MHz はバンド外です</translation>
    </message>
    <message>
        <source>frequency %1 MHz moved to %2 MHz to fit the band and step</source>
        <translation>周波数 %1 MHz をバンドとステップに合わせて %2 MHz に変更</translation>
    </message>
    <message>
        <source>no transmit frequency</source>
        <translation>送信周波数がありません</translation>
    </message>
    <message>
        <source>transmit frequency &quot;%1&quot; is not a frequency in MHz</source>
        <translation>送信周波数「%1」はMHz単位の周波数ではありません</translation>
    </message>
    <message>
        <source>transmit frequency %1 MHz is outside the band</source>
        <translation>送信周波数 %1 MHz はバンド外です</translation>
    </message>
    <message>
        <source>transmit frequency %1 MHz moved to %2 MHz to fit the band and step</source>
        <translation>送信周波数 %1 MHz をバンドとステップに合わせて %2 MHz に変更</translation>
    </message>
    <message>
        <source>receive-only channels (duplex &quot;off&quot;) cannot be stored</source>
        <translation>受信専用チャンネル(Duplex「off」)は保存できません</translation>
    </message>
    <message>
        <source>duplex &quot;%1&quot; is not known</source>
        <translation>Duplex「%1」は不明です</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not a frequency in MHz</source>
        <translation>オフセット「%1」はMHz単位の周波数ではありません</translation>
    </message>
    <message>
        <source>offset %1 MHz stored as %2 MHz</source>
        <translation>オフセット %1 MHz を %2 MHz として保存</translation>
    </message>
    <message>
        <source>step %1 kHz replaced by %2 kHz</source>
        <translation>ステップ %1 kHz を %2 kHz に変更</translation>
    </message>
    <message>
        <source>tone %1 Hz is not offered</source>
        <translation>トーン %1 Hz は選択できません</translation>
    </message>
    <message>
        <source>tone squelch %1 Hz is not offered</source>
        <translation>トーンスケルチ %1 Hz は選択できません</translation>
    </message>
    <message>
        <source>DCS polarity %1 cannot be stored</source>
        <translation>DCS極性 %1 は保存できません</translation>
    </message>
    <message>
        <source>DCS code %1 is not offered</source>
        <translation>DCSコード %1 は選択できません</translation>
    </message>
    <message>
        <source>tone mode &quot;%1&quot; cannot be stored</source>
        <translation>トーンモード「%1」は保存できません</translation>
    </message>
    <message>
        <source>mode %1 cannot be stored</source>
        <translation>モード %1 は保存できません</translation>
    </message>
    <message>
        <source>priority scan mark not kept</source>
        <translation>プライオリティスキャンの指定は保存されません</translation>
    </message>
    <message>
        <source>skip &quot;%1&quot; ignored</source>
        <translation>スキップ「%1」は無視しました</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; not kept: no names with %2 channels</source>
        <translation>ネーム「%1」は保存されません: %2 チャンネルではネームを使用できません</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>ネーム「%1」を「%2」として保存</translation>
    </message>
    <message>
        <source>no free channel after the previous line</source>
        <translation>前の行の後に空きチャンネルがありません</translation>
    </message>
    <message>
        <source>location &quot;%1&quot; is not a channel number</source>
        <translation>Location「%1」はチャンネル番号ではありません</translation>
    </message>
    <message>
        <source>location %1 is beyond the last channel (%2)</source>
        <translation>Location %1 は最後のチャンネル(%2)を超えています</translation>
    </message>
    <message>
        <source>%1 more line was adjusted or skipped; the first %2 are listed.</source>
        <translation>さらに %1 行が調整またはスキップされました。最初の %2 行のみ表示しています。</translation>
    </message>
    <message>
        <source>%1 more lines were adjusted or skipped; the first %2 are listed.</source>
        <translation>さらに %1 行が調整またはスキップされました。最初の %2 行のみ表示しています。</translation>
    </message>
    <message>
        <source>Power, Comment and digital voice columns are not kept by the transceiver&apos;s memory channels; they were ignored.</source>
        <translation>Power、Comment およびデジタル音声の列はトランシーバーのメモリーチャンネルに保存されないため、無視しました。</translation>
    </message>
    <message>
        <source>replaces line %1</source>
        <translation>%1 行目を置き換え</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>beat shift</source>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>transmit step</source>
        <translation>送信ステップ</translation>
    </message>
    <message>
        <source>Line %1: skipped, %2.</source>
        <translation>%1 行目: スキップ、%2。</translation>
    </message>
    <message>
        <source>Line %1, channel %2: %3.</source>
        <translation>%1 行目、チャンネル %2: %3。</translation>
    </message>
    <message>
        <source>Channel %1: %2 not carried by the CSV layout.</source>
        <translation>チャンネル %1: %2 はCSV形式では保持できません。</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <translation>%1、%2、%3。</translation>
    </message>
    <message>
        <source>%1 channel imported</source>
        <translation>%1 チャンネルをインポート</translation>
    </message>
    <message>
        <source>%1 channels imported</source>
        <translation>%1 チャンネルをインポート</translation>
    </message>
    <message>
        <source>%1 adjusted</source>
        <translation>%1 件を調整</translation>
    </message>
    <message>
        <source>%1 line skipped</source>
        <translation>%1 行をスキップ</translation>
    </message>
    <message>
        <source>%1 lines skipped</source>
        <translation>%1 行をスキップ</translation>
    </message>
    <message>
        <source>%1 channel pasted</source>
        <translation>%1 チャンネルを貼り付け</translation>
    </message>
    <message>
        <source>%1 channels pasted</source>
        <translation>%1 チャンネルを貼り付け</translation>
    </message>
    <message>
        <source>%1 row skipped</source>
        <translation>%1 行をスキップ</translation>
    </message>
    <message>
        <source>%1 rows skipped</source>
        <translation>%1 行をスキップ</translation>
    </message>
    <message>
        <source>%1 emptied</source>
        <translation>%1 件を空に</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4.</source>
        <translation>%1、%2、%3、%4。</translation>
    </message>
    <message>
        <source>no channel left to paste into</source>
        <translation>貼り付け先のチャンネルが残っていません</translation>
    </message>
    <message>
        <source>frequency %1 stored as %2</source>
        <translation>周波数 %1 を %2 として保存</translation>
    </message>
    <message>
        <source>frequency %1 not kept</source>
        <translation>周波数 %1 は保持されません</translation>
    </message>
    <message>
        <source>shift %1 stored as %2</source>
        <translation>シフト %1 を %2 として保存</translation>
    </message>
    <message>
        <source>shift %1 not kept</source>
        <translation>シフト %1 は保持されません</translation>
    </message>
    <message>
        <source>offset / Tx %1 stored as %2</source>
        <translation>オフセット / 送信 %1 を %2 として保存</translation>
    </message>
    <message>
        <source>offset / Tx %1 not kept</source>
        <translation>オフセット / 送信 %1 は保持されません</translation>
    </message>
    <message>
        <source>tone mode %1 stored as %2</source>
        <translation>トーンモード %1 を %2 として保存</translation>
    </message>
    <message>
        <source>tone mode %1 not kept</source>
        <translation>トーンモード %1 は保持されません</translation>
    </message>
    <message>
        <source>tone %1 stored as %2</source>
        <translation>トーン %1 を %2 として保存</translation>
    </message>
    <message>
        <source>tone %1 not kept</source>
        <translation>トーン %1 は保持されません</translation>
    </message>
    <message>
        <source>DCS code %1 stored as %2</source>
        <translation>DCSコード %1 を %2 として保存</translation>
    </message>
    <message>
        <source>DCS code %1 not kept</source>
        <translation>DCSコード %1 は保持されません</translation>
    </message>
    <message>
        <source>step %1 stored as %2</source>
        <translation>ステップ %1 を %2 として保存</translation>
    </message>
    <message>
        <source>step %1 not kept</source>
        <translation>ステップ %1 は保持されません</translation>
    </message>
    <message>
        <source>reverse set</source>
        <translation>リバースを設定</translation>
    </message>
    <message>
        <source>reverse not kept</source>
        <translation>リバースは保持されません</translation>
    </message>
    <message>
        <source>beat shift set</source>
        <translation>ビートシフトを設定</translation>
    </message>
    <message>
        <source>beat shift not kept</source>
        <translation>ビートシフトは保持されません</translation>
    </message>
    <message>
        <source>FM narrow set</source>
        <translation>FMナローを設定</translation>
    </message>
    <message>
        <source>FM narrow not kept</source>
        <translation>FMナローは保持されません</translation>
    </message>
    <message>
        <source>lock-out set</source>
        <translation>ロックアウトを設定</translation>
    </message>
    <message>
        <source>lock-out not kept</source>
        <translation>ロックアウトは保持されません</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; not kept</source>
        <translation>ネーム「%1」は保持されません</translation>
    </message>
    <message>
        <source>its step is not offered by this transceiver</source>
        <translation>このトランシーバーにはそのステップがありません</translation>
    </message>
    <message>
        <source>it holds no channel</source>
        <translation>チャンネルが含まれていません</translation>
    </message>
    <message>
        <source>Copied row %1: skipped, %2.</source>
        <translation>コピーした %1 行目: スキップ、%2。</translation>
    </message>
    <message>
        <source>Channel %1: %2.</source>
        <translation>チャンネル %1: %2。</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALLチャンネル</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FMナロー</translation>
    </message>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>スプリットチャンネル</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>プラスシフト</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>マイナスシフト</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>-7.6MHzシフト</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Memory Channel</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>メモリーチャンネル番号</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCSコード</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>送信出力</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>TAVRIN Files(*.tvr)</source>
        <translation>TAVRINファイル(*.tvr)</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>PDFファイル(*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)</source>
        <translation>CSVファイル(*.csv)</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>バックアップを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Export Listing as PDF...</source>
        <translation>一覧をPDFに書き出す...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSVを読み込む(&amp;I)...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>CSVに書き出す(&amp;C)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Memory Channel &amp;Sort...</source>
        <translation>メモリー並べ替え(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>ポート選択(&amp;P)</translation>
    </message>
    <message>
        <source>Po&amp;rts...</source>
        <translation>ポート一覧(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>無線機(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>メモリー(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>メニュー(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>書き込み後に照合(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Log Communication</source>
        <translation>通信ログを記録(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Channel Display...</source>
        <translation>チャンネル表示(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Memory Channel Select...</source>
        <translation>メモリーチャンネル選択(&amp;M)...</translation>
    </message>
    <message>
        <source>Model &amp;Select...</source>
        <translation>機種選択(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>ヘルプ目次(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>スキップ設定(&amp;L)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
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
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Channel &amp;Editor...</source>
        <translation>チャンネルエディター(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is too large for a channel list (over 4 MiB).</source>
        <translation>このファイルはチャンネルリストとしては大きすぎます(4 MiB超)。</translation>
    </message>
    <message>
        <source>No channels could be imported from this file.</source>
        <translation>このファイルからインポートできるチャンネルはありませんでした。</translation>
    </message>
    <message>
        <source>The file holds no channel list.</source>
        <translation>このファイルにはチャンネルリストがありません。</translation>
    </message>
    <message>
        <source>The file has no Frequency column, so it is not a channel list.</source>
        <translation>このファイルには Frequency 列がないため、チャンネルリストではありません。</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>The contents have been changed.
Do you want to revise the change?</source>
        <translation>内容が変更されています。
変更を反映しますか？</translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>チャンネル番号が無効です。
確認してもう一度入力してください。</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>無効な文字です。
確認してもう一度入力してください。</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>内容が変更されています。
変更を保存しますか？</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please confirm the frequency and try again.</source>
        <translation>周波数が無効です。
周波数を確認してもう一度入力してください。</translation>
    </message>
    <message>
        <source>Invalid offset frequency.
Please confirm the offset frequency and try again.</source>
        <translation>オフセット周波数が無効です。
オフセット周波数を確認してもう一度入力してください。</translation>
    </message>
    <message>
        <source>The frequency has been rounded to the nearest appropriate frequency.</source>
        <translation>周波数を最も近い適切な周波数に丸めました。</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>通信タイムアウトエラーです。</translation>
    </message>
    <message>
        <source>The transceiver is not supported with this software.
Please confirm the transceiver model name.</source>
        <translation>このトランシーバーはこのソフトウェアに対応していません。
トランシーバーの機種名を確認してください。</translation>
    </message>
    <message>
        <source>The data was written, but reading it back to verify it did not complete.
The data in the transceiver was not verified.</source>
        <translation>データは書き込まれましたが、確認のための読み戻しが完了しませんでした。
トランシーバー内のデータは確認されていません。</translation>
    </message>
    <message>
        <source>The data read back from the transceiver matches the data written.</source>
        <translation>トランシーバーから読み戻したデータは書き込んだデータと一致しています。</translation>
    </message>
    <message>
        <source>The market code selected in this software does not 
match the market code of the connected transcevier, 
If you continue to write to the transceiver, the Memory 
Channel data may not be written. 
Do you wish to continue writing?</source>
        <translation>このソフトウェアで選択した仕向けコードが
接続されたトランシーバーの仕向けコードと一致しません。
このままトランシーバーへの書き込みを続けると、
メモリーチャンネルのデータが書き込まれない場合があります。
書き込みを続けますか？</translation>
    </message>
    <message>
        <source>You changed the model.
The data will be cleared.</source>
        <translation>機種が変更されました。
データは消去されます。</translation>
    </message>
    <message>
        <source>You are changing the total number of memory channels.
Do you want to continue? </source>
        <translation>メモリーチャンネルの総数を変更します。
続行しますか? </translation>
    </message>
    <message>
        <source>The 1750 Hz tone is available only for amateur radio communications.
Other tones are not used for amateur radio communications.</source>
        <translation>1750Hzトーンはアマチュア無線通信専用です。
その他のトーンはアマチュア無線通信では使用しません。</translation>
    </message>
    <message>
        <source>No default printer is configured.</source>
        <translation>通常使うプリンターが設定されていません。</translation>
    </message>
    <message>
        <source>The selected COM port is unavailable.
Please check the COM port status.</source>
        <translation>選択したCOMポートは使用できません。
COMポートの状態を確認してください。</translation>
    </message>
    <message>
        <source>The data read back from the transceiver differs from the data written in %1 place.
The transceiver does not hold the data as written. Please write again.</source>
        <translation>トランシーバーから読み戻したデータが書き込んだデータと%1か所で異なります。
トランシーバーには書き込んだとおりのデータが保存されていません。もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>The data read back from the transceiver differs from the data written in %1 places.
The transceiver does not hold the data as written. Please write again.</source>
        <translation>トランシーバーから読み戻したデータが書き込んだデータと%1か所で異なります。
トランシーバーには書き込んだとおりのデータが保存されていません。もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>Priority Scan cannot be turned ON unless the PR (Priority) channel frequency is configured.</source>
        <translation>PR（プライオリティ）チャンネルの周波数が設定されていないと、プライオリティスキャンをONにできません。</translation>
    </message>
    <message>
        <source>Weather Alert cannot be turned ON unless the AL (Weather Alert) channel frequency is configured.</source>
        <translation>AL（ウェザーアラート）チャンネルの周波数が設定されていないと、ウェザーアラートをONにできません。</translation>
    </message>
    <message>
        <source>Priority Scan is turned ON.
You cannot delete the PR channel frequency when Priority Scan is ON.</source>
        <translation>プライオリティスキャンがONです。
プライオリティスキャンがONの間は、PRチャンネルの周波数を削除できません。</translation>
    </message>
    <message>
        <source>Weather Alert is turned ON.
You cannot delete the AL channel frequency when Weather Alert is ON.</source>
        <translation>ウェザーアラートがONです。
ウェザーアラートがONの間は、ALチャンネルの周波数を削除できません。</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>この機能は使用できません。</translation>
    </message>
    <message>
        <source>Data has been changed.
Do you want to save the changes?</source>
        <translation>データが変更されています。
変更を保存しますか？</translation>
    </message>
    <message>
        <source>The %1 port is unavailable.
Please check the %1 port status.</source>
        <translation>%1 ポートは使用できません。
%1 ポートの状態を確認してください。</translation>
    </message>
    <message>
        <source>Do you want to write the data to the transceiver?</source>
        <translation>データを無線機に書き込みますか？</translation>
    </message>
    <message>
        <source>Confirm that the transceiver has been connected to the PC.</source>
        <translation>無線機がパソコンに接続されていることを確認してください。</translation>
    </message>
    <message>
        <source>There is no such row.</source>
        <translation>その行はありません。</translation>
    </message>
    <message>
        <source>The weather alert channel has no tones.</source>
        <translation>ウェザーアラートチャンネルにはトーンがありません。</translation>
    </message>
    <message>
        <source>Only the numbered channels can be locked out.</source>
        <translation>ロックアウトできるのは番号付きのチャンネルだけです。</translation>
    </message>
    <message>
        <source>A split channel has no reverse.</source>
        <translation>スプリットチャンネルにはリバースがありません。</translation>
    </message>
    <message>
        <source>Type Yes or No.</source>
        <translation>Yes または No を入力してください。</translation>
    </message>
    <message>
        <source>Choose Tone or CTCSS as the tone mode first.</source>
        <translation>先にトーンモードでトーンまたは CTCSS を選んでください。</translation>
    </message>
    <message>
        <source>Choose DCS as the tone mode first.</source>
        <translation>先にトーンモードで DCS を選んでください。</translation>
    </message>
    <message>
        <source>The channel label cannot be changed.</source>
        <translation>チャンネル番号は変更できません。</translation>
    </message>
    <message>
        <source>There are no memory names with %1 channels.</source>
        <translation>%1 チャンネルではメモリーネームは使えません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the choices.</source>
        <translation>「%1」は選択肢にありません。</translation>
    </message>
    <message>
        <source>A memory name holds at most %1 characters.</source>
        <translation>メモリーネームは %1 文字までです。</translation>
    </message>
    <message>
        <source>The transceiver now holds a mix of old and new data. Please write again.</source>
        <translation>無線機には古いデータと新しいデータが混在しています。もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>The transceiver gave no valid reply to &quot;%1&quot; (%2) in %3 attempts.
Please check the cable and the connection.</source>
        <translation>「%1」（%2）に対して、%3 回試みても無線機から有効な応答がありませんでした。
ケーブルと接続を確認してください。</translation>
    </message>
    <message>
        <source>The read was not completed: it stopped at %1.
The records from there on were not read from the transceiver.</source>
        <translation>読み込みは完了しませんでした。%1 で停止しました。
それ以降のデータは無線機から読み込まれていません。</translation>
    </message>
    <message>
        <source>The write was not completed: it stopped at %1.
The transceiver now holds a mix of old and new data: %1 and the records after it may still hold the old data.
Please write again.</source>
        <translation>書き込みは完了しませんでした。%1 で停止しました。
無線機には古いデータと新しいデータが混在しています。%1 とそれ以降のデータは古いままの可能性があります。
もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>The transceiver refused %1 of the records written:%2
These records are not stored in the transceiver.
</source>
        <translation>無線機は書き込んだデータのうち %1 件を拒否しました：%2
これらのデータは無線機に保存されていません。
</translation>
    </message>
    <message>
        <source>The transceiver did not confirm %1 of the records written:%2
These records may not be stored in the transceiver.
</source>
        <translation>無線機は書き込んだデータのうち %1 件を確認しませんでした：%2
これらのデータは無線機に保存されていない可能性があります。
</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>%1 のメモリーネーム</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>DTMFメモリー %1</translation>
    </message>
    <message>
        <source>the CALL channel</source>
        <translation>コールチャンネル</translation>
    </message>
    <message>
        <source>the VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>the programmable VFO</source>
        <translation>プログラマブルVFO</translation>
    </message>
    <message>
        <source>the menu settings</source>
        <translation>メニュー設定</translation>
    </message>
    <message>
        <source>the VFO mode</source>
        <translation>VFOモード</translation>
    </message>
    <message>
        <source>the channel count</source>
        <translation>チャンネル数</translation>
    </message>
    <message>
        <source>the identification</source>
        <translation>識別情報</translation>
    </message>
    <message>
        <source>the comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>the memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>the DTMF memories</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>menu settings %1 to %2</source>
        <translation>メニュー設定 %1～%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>everything: the file is empty</source>
        <translation>すべて（ファイルが空です）</translation>
    </message>
    <message>
        <source>everything: it starts with bytes no data file holds</source>
        <translation>すべて（データファイルにはないバイトで始まっています）</translation>
    </message>
    <message>
        <source>the end of its last line</source>
        <translation>最後の行の終わり</translation>
    </message>
    <message>
        <source>The data file is damaged: it lacks %1.
What it holds has been opened; check it before you save it or write it to the transceiver.</source>
        <translation>データファイルが破損しています。次の内容がありません：%1。
含まれている内容は開かれました。保存または無線機への書き込みの前に確認してください。</translation>
    </message>
    <message>
        <source>Channel %1: empty, nothing to fill down.</source>
        <translation>チャンネル %1：空のため、下へコピーする内容がありません。</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>チャンネル %1：%2</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USBシリアルアダプター</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>%1 is not open to you: %2.</source>
        <translation>%1 にはアクセスできません：%2。</translation>
    </message>
    <message>
        <source>%1 are not open to you: %2.</source>
        <translation>%1 にはアクセスできません：%2。</translation>
    </message>
    <message>
        <source>%1 is running: it claims many USB serial cables as braille displays, and the cable&apos;s device vanishes. Unless you use a braille display, remove it: sudo apt remove brltty</source>
        <translation>%1 が動作しています。多くのUSBシリアルケーブルを点字ディスプレイとして扱うため、ケーブルのデバイスが消えます。点字ディスプレイを使わない場合は削除してください：sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 is running: it probes new serial devices for a modem and can hold or disturb the cable. Install the udev rule from the README that tells it to ignore the cable, or stop it: sudo systemctl disable --now ModemManager</source>
        <translation>%1 が動作しています。新しいシリアルデバイスをモデムとして調べるため、ケーブルを占有したり妨げたりすることがあります。README の udev ルールをインストールしてケーブルを無視させるか、停止してください：sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>No USB serial device is present: plug the cable in. If none appears, see what the kernel says of it: sudo dmesg | tail</source>
        <translation>USBシリアルデバイスがありません。ケーブルを接続してください。現れない場合は、カーネルのメッセージを確認してください：sudo dmesg | tail</translation>
    </message>
    <message>
        <source>on-board serial port</source>
        <translation>内蔵シリアルポート</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>疑似端末</translation>
    </message>
    <message>
        <source>available, but open in %1</source>
        <translation>使用可能（ただし %1 が開いています）</translation>
    </message>
    <message>
        <source>busy: held by %1</source>
        <translation>使用中：%1 が占有しています</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>別のプログラム</translation>
    </message>
    <message>
        <source>not permitted (group %1)</source>
        <translation>権限なし（グループ %1）</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失敗：%1</translation>
    </message>
    <message>
        <source>a udev rule must give it to you (see the README)</source>
        <translation>udev ルールでアクセス権を与える必要があります（README を参照）</translation>
    </message>
    <message>
        <source>you are in the group %1, but this session started before you joined: log out and back in</source>
        <translation>グループ %1 に所属していますが、このセッションは参加前に開始されました。ログアウトして再度ログインしてください</translation>
    </message>
    <message>
        <source>join the group %1: sudo usermod -aG %1 $USER, then log out and back in</source>
        <translation>グループ %1 に参加してください：sudo usermod -aG %1 $USER の後、ログアウトして再度ログインしてください</translation>
    </message>
    <message>
        <source>available</source>
        <translation>使用可能</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>権限なし</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>シリアルデバイスではありません</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>not a data file name (.tvr)</source>
        <translation>データファイル名ではありません（.tvr）</translation>
    </message>
    <message>
        <source>The model name selected in this software does not 
match applicable model name in the data file.
You cannot open this file.</source>
        <translation>このソフトウェアで選択されている機種名が 
データファイルの機種名と一致しません。
このファイルは開けません。</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>%1 MiB を超えています</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>%1 バイトを超えています</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>not a data file</source>
        <translation>データファイルではありません</translation>
    </message>
    <message>
        <source>saved for another model</source>
        <translation>別の機種用に保存されています</translation>
    </message>
    <message>
        <source>a data file (.tvr) is never replaced by an export</source>
        <translation>データファイル（.tvr）が書き出しで置き換えられることはありません</translation>
    </message>
    <message>
        <source>the file the output is made from</source>
        <translation>出力の元になるファイルです</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>上書き(&amp;O)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save replaces the damaged file with what is shown now.</source>
        <translation>保存すると、破損したファイルは現在表示されているデータで置き換えられます。</translation>
    </message>
    <message>
        <source>The damaged file cannot be kept as a backup, so it has not been replaced.
Please save the data under another name.</source>
        <translation>破損したファイルをバックアップとして保存できないため、ファイルは置き換えられていません。
別の名前でデータを保存してください。</translation>
    </message>
    <message>
        <source>The data file has been changed on disk since it was opened or last saved here.
Do you want to overwrite it, save the data under another name, or cancel?</source>
        <translation>データファイルは、ここで開いた後、または最後に保存した後に変更されています。
上書きしますか？別の名前で保存しますか？それともキャンセルしますか？</translation>
    </message>
    <message>
        <source>a link in a shared folder that belongs to another user</source>
        <translation>共有フォルダー内の、他のユーザーが所有するリンクです</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>パワーセーブ</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>Priority Scan/Weather Alert</source>
        <translation>プライオリティ/ウェザーアラート</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>チューンイネーブル</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>ビープ音</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>ビジーロックアウト</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOXゲイン</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>ビジー時VOX</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOXディレイ</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>オートレピーター</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750Hzトーンホールド</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMFロック</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMFホールド</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMFポーズ</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMFスピード</translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation>起動メッセージ</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>ランプ</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALLキー</translation>
    </message>
    <message>
        <source>Disable MIC PF Key</source>
        <translation>マイクPFキー無効</translation>
    </message>
    <message>
        <source>Mic Key Lock</source>
        <translation>マイクキーロック</translation>
    </message>
    <message>
        <source>Tone Burst Frequency</source>
        <translation>トーンバースト周波数</translation>
    </message>
    <message>
        <source>S-Meter Squelch</source>
        <translation>Sメータースケルチ</translation>
    </message>
    <message>
        <source>Squelch Hang Time</source>
        <translation>スケルチ保持</translation>
    </message>
    <message>
        <source>DTMF Monitor</source>
        <translation>DTMFモニター</translation>
    </message>
    <message>
        <source>Auto Brightness</source>
        <translation>明るさ自動調整</translation>
    </message>
    <message>
        <source>Data Speed</source>
        <translation>データスピード</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>is not a frequency of 10 digits</source>
        <translation>は10桁の周波数ではありません</translation>
    </message>
    <message>
        <source>is outside the band %1-%2 MHz</source>
        <translation>はバンド %1-%2 MHz の範囲外です</translation>
    </message>
    <message>
        <source>is outside the programmable VFO range %1-%2 MHz</source>
        <translation>はプログラマブルVFOの範囲 %1-%2 MHz の外です</translation>
    </message>
    <message>
        <source>is not on the %1 step</source>
        <translation>は %1 ステップに合っていません</translation>
    </message>
    <message>
        <source>is not a step this model offers</source>
        <translation>はこの機種にないステップです</translation>
    </message>
    <message>
        <source>is not a shift this model offers</source>
        <translation>はこの機種にないシフトです</translation>
    </message>
    <message>
        <source>is neither 0 nor 1</source>
        <translation>は0でも1でもありません</translation>
    </message>
    <message>
        <source>is not a tone of the list (00 to 41)</source>
        <translation>はリストのトーン(00～41)ではありません</translation>
    </message>
    <message>
        <source>is not a DCS code of the list (000 to 103)</source>
        <translation>はリストのDCSコード(000～103)ではありません</translation>
    </message>
    <message>
        <source>is not an offset from 0.00 to 69.95 MHz in steps of 0.05 MHz</source>
        <translation>は0.00～69.95 MHzで0.05 MHz単位のオフセットではありません</translation>
    </message>
    <message>
        <source>is not a power level this model has</source>
        <translation>はこの機種にない送信出力です</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>は%1文字を超えています</translation>
    </message>
    <message>
        <source>holds a character other than 0-9, A-Z, -, / and space</source>
        <translation>に0-9、A-Z、-、/、空白以外の文字があります</translation>
    </message>
    <message>
        <source>is longer than %1 keys</source>
        <translation>は%1キーを超えています</translation>
    </message>
    <message>
        <source>holds a key other than 0-9, A-D, *, # and space</source>
        <translation>に0-9、A-D、*、#、空白以外のキーがあります</translation>
    </message>
    <message>
        <source>is not a range of whole MHz from %1 to %2, lower end first</source>
        <translation>は%1～%2の整数MHzで下限が先の範囲ではありません</translation>
    </message>
    <message>
        <source>is not one of %1 to %2</source>
        <translation>は%1～%2のいずれでもありません</translation>
    </message>
    <message>
        <source>%1, %2: &quot;%3&quot; %4</source>
        <translation>%1、%2:「%3」%4</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>...ほか%1件。</translation>
    </message>
    <message>
        <source>The data cannot be written: these records break the transceiver&apos;s rules.</source>
        <translation>データを書き込めません: 次のデータがトランシーバーの規則に反しています。</translation>
    </message>
    <message>
        <source>The data file holds values the transceiver does not take:%1
They have been opened unchanged; mend them in the editors before you write the data to the transceiver.</source>
        <translation>データファイルにトランシーバーが受け付けない値があります:%1
そのまま開きました。トランシーバーに書き込む前にエディターで修正してください。</translation>
    </message>
    <message>
        <source>The transceiver&apos;s replies fell out of step with the requests: the answer to &quot;%1&quot; (%2) came after the next request.
Please check the cable and the connection.</source>
        <translation>無線機の応答が要求とずれました：「%1」（%2）への応答が次の要求の後に届きました。
ケーブルと接続を確認してください。</translation>
    </message>
    <message>
        <source>Please check the cable and the transceiver&apos;s power, then read again.</source>
        <translation>ケーブルと無線機の電源を確認してから、もう一度読み込んでください。</translation>
    </message>
    <message>
        <source>Please check the cable and the transceiver&apos;s power, then write again.</source>
        <translation>ケーブルと無線機の電源を確認してから、もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>Please check the cable and the transceiver&apos;s power, then try again.</source>
        <translation>ケーブルと無線機の電源を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The write stopped at %1, before any record was written.</source>
        <translation>書き込みは %1 で停止しました。データはまだ何も書き込まれていません。</translation>
    </message>
    <message>
        <source>The read stopped at %1, before any record was read.</source>
        <translation>読み込みは %1 で停止しました。データはまだ何も読み込まれていません。</translation>
    </message>
    <message>
        <source>the VOX setting</source>
        <translation>VOX 設定</translation>
    </message>
    <message>
        <source>Some records were not confirmed by the transceiver, and reading the data back to verify it did not complete.
The data in the transceiver was not verified.</source>
        <translation>一部のデータは無線機で確認されず、確認のための読み戻しも完了しませんでした。
無線機内のデータは確認されていません。</translation>
    </message>
    <message>
        <source>the market code</source>
        <translation>仕向けコード</translation>
    </message>
    <message>
        <source>the band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>Nothing was pasted: line %1 of the clipboard text %2. Rows are pasted with a line naming their columns over them, or without one in the columns Copy writes: Location, Name, Frequency, Duplex, Offset and the rest, separated by tabs.</source>
        <translation>何も貼り付けませんでした: クリップボードのテキストの %1 行目は%2。行は、列名を示す見出し行を付けるか、見出し行なしでコピーが書き出す列 (Location、Name、Frequency、Duplex、Offset など、タブ区切り) の順で貼り付けてください。</translation>
    </message>
    <message>
        <source>has no tabs between its columns</source>
        <translation>列の間にタブがありません</translation>
    </message>
    <message>
        <source>has %1 columns, fewer than Location, Name and Frequency</source>
        <translation>列が %1 個で、Location、Name、Frequency より少なくなっています</translation>
    </message>
    <message>
        <source>has %1 columns, more than the %2 Copy writes</source>
        <translation>列が %1 個で、コピーが書き出す %2 個より多くなっています</translation>
    </message>
    <message>
        <source>has no channel number in its first column (Location)</source>
        <translation>1 列目 (Location) にチャンネル番号がありません</translation>
    </message>
    <message>
        <source>has no frequency in MHz in its third column (Frequency)</source>
        <translation>3 列目 (Frequency) に MHz 単位の周波数がありません</translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows to paste.</source>
        <translation>クリップボードに貼り付けるチャンネルの行がありません。</translation>
    </message>
    <message>
        <source>The clipboard text is too long to be channel rows; nothing was pasted.</source>
        <translation>クリップボードのテキストはチャンネルの行としては長すぎます。何も貼り付けませんでした。</translation>
    </message>
    <message>
        <source>No channel could be pasted from the clipboard.</source>
        <translation>クリップボードからチャンネルを貼り付けられませんでした。</translation>
    </message>
    <message>
        <source>A memory name takes only the letters A to Z, the digits 0 to 9, the space, &quot;-&quot; and &quot;/&quot;.</source>
        <translation>メモリーネームに使える文字は A～Z、0～9、スペース、「-」と「/」だけです。</translation>
    </message>
    <message>
        <source>The clipboard holds no channels to paste.</source>
        <translation>クリップボードに貼り付けるチャンネルがありません。</translation>
    </message>
    <message>
        <source>The channels on the clipboard are damaged; nothing was pasted.</source>
        <translation>クリップボードのチャンネルが壊れています。何も貼り付けませんでした。</translation>
    </message>
    <message>
        <source>Insert also moves %1 channels the filter hides.
Do you want to insert the channel?</source>
        <translation>挿入すると、フィルターで非表示のチャンネル %1 件も移動します。
チャンネルを挿入しますか?</translation>
    </message>
    <message>
        <source>The move also changes %1 channels the filter hides.
Do you want to move?</source>
        <translation>移動すると、フィルターで非表示のチャンネル %1 件も変わります。
移動しますか?</translation>
    </message>
    <message>
        <source>The user guide is not installed. TAVRIN looked for it in:</source>
        <translation>ユーザーガイドがインストールされていません。TAVRIN は次の場所を探しました:</translation>
    </message>
    <message>
        <source>&amp;Ports...</source>
        <translation>ポート(&amp;P)...</translation>
    </message>
    <message>
        <source>This data file no longer exists. It has been removed from Open Recent.</source>
        <translation>このデータファイルはもう存在しません。「最近使ったファイル」から削除しました。</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>From</source>
        <translation>取得元</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>By-id</source>
        <translation>By-id</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Tx Freq.</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Programmable VFO</source>
        <translation>プログラマブルVFO</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About TAVRIN</source>
        <translation>TAVRINについて</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TCDisplayForm</name>
    <message>
        <source>Channel Display</source>
        <translation>チャンネル表示</translation>
    </message>
    <message>
        <source>Channel Display Protect</source>
        <translation>チャンネル表示プロテクト</translation>
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
    <name>TCallForm</name>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>TChannelGrids</name>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>メモリーチャンネル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>VFO(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>CALLチャンネル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>DTMFメモリー(&amp;D)</translation>
    </message>
    <message>
        <source> Band</source>
        <translation> バンド</translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation> 周波数</translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation> RX(TX)周波数</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> ch</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> ネーム</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> No.</translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation> DTMFコード</translation>
    </message>
</context>
<context>
    <name>TChannelsPage</name>
    <message>
        <source>The last channel is in use; nothing was inserted.</source>
        <translation>最後のチャンネルが使用中のため、挿入しませんでした。</translation>
    </message>
    <message>
        <source>Channels are inserted among the numbered channels only.</source>
        <translation>チャンネルは番号付きチャンネルの間にのみ挿入できます。</translation>
    </message>
    <message>
        <source>Only the numbered channels move, and not past the first or the last one.</source>
        <translation>移動できるのは番号付きチャンネルだけで、最初または最後のチャンネルを越えては移動できません。</translation>
    </message>
    <message>
        <source>Select two or more rows: the first one&apos;s value is copied into the others.</source>
        <translation>2行以上を選択してください。最初の行の値がほかの行にコピーされます。</translation>
    </message>
    <message>
        <source>Filter: name, frequency or band (430-440)</source>
        <translation>絞り込み: 名前、周波数またはバンド (430-440)</translation>
    </message>
    <message>
        <source>U&amp;sed only</source>
        <translation>使用中のみ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Fill &amp;Down</source>
        <translation>下へコピー(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>スキップ設定(&amp;L)</translation>
    </message>
</context>
<context>
    <name>TDtmfForm</name>
    <message>
        <source>DTMF Code</source>
        <translation>DTMFコード</translation>
    </message>
</context>
<context>
    <name>TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TExchangeForm</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFrequencyGroup</name>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>TAVRIN Help</source>
        <translation>TAVRINヘルプ</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>戻る (Alt+Left)</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>進む(&amp;F) &gt;</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>進む (Alt+Right)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Find (Enter: next)</source>
        <translation>検索 (Enter: 次へ)</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>ブラウザーで開く(&amp;B)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on this page.</source>
        <translation>「%1」はこのページにありません。</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is %1</source>
        <translation>Web ブラウザーを起動できませんでした。ページの場所: %1</translation>
    </message>
</context>
<context>
    <name>TMChannelForm</name>
    <message>
        <source>Memory Channel Select</source>
        <translation>メモリーチャンネル数の選択</translation>
    </message>
    <message>
        <source>&amp;50 channels</source>
        <translation>50 チャンネル(&amp;5)</translation>
    </message>
    <message>
        <source>&amp;100 channels</source>
        <translation>100 チャンネル(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;200 channels</source>
        <translation>200 チャンネル(&amp;2)</translation>
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
    <name>TMainForm</name>
    <message>
        <source>The language changes when TAVRIN is started again.</source>
        <translation>言語は TAVRIN の次回起動時に切り替わります。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>メモリー(&amp;Y)</translation>
    </message>
    <message>
        <source>Ch&amp;annels</source>
        <translation>チャンネル(&amp;A)</translation>
    </message>
    <message>
        <source>Me&amp;nu</source>
        <translation>メニュー(&amp;N)</translation>
    </message>
    <message>
        <source>Menu&amp;1</source>
        <translation>メニュー&amp;1</translation>
    </message>
    <message>
        <source>Menu&amp;2</source>
        <translation>メニュー&amp;2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>メニューをクリア(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TMemoryForm</name>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>TMenuPages</name>
    <message>
        <source>&amp;Scan/Weather</source>
        <translation>スキャン/ウェザー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>スキャン(&amp;S)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>シーク</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>低速</translation>
    </message>
    <message>
        <source>1750Hz Tone</source>
        <translation>1750Hzトーン</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>電源(&amp;W)</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>パワーセーブ</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>Priority Scan</source>
        <translation>プライオリティ</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>ウェザーアラート</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>チューンイネーブル</translation>
    </message>
    <message>
        <source>R&amp;X/TX</source>
        <translation>RX/TX(&amp;X)</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>ビープ音</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>ビジーロックアウト</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>VOX(&amp;V)</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOXゲイン</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>ビジー時VOX</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOXディレイ</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>レピーター(&amp;P)</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>オートレピーター</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750Hzトーンホールド</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALLキー</translation>
    </message>
    <message>
        <source>Tone Burst Frequency</source>
        <translation>トーンバースト周波数</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>DTMF(&amp;T)</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMFロック</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMFホールド</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMFポーズ</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMFスピード</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>その他(&amp;O)</translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation>起動メッセージ</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>ランプ</translation>
    </message>
    <message>
        <source>Disable MIC PF Key</source>
        <translation>マイクPFキー無効</translation>
    </message>
    <message>
        <source>S-Meter Squelch</source>
        <translation>Sメータースケルチ</translation>
    </message>
    <message>
        <source>Squelch Hang Time</source>
        <translation>スケルチ保持</translation>
    </message>
    <message>
        <source>DTMF Monitor</source>
        <translation>DTMFモニター</translation>
    </message>
    <message>
        <source>PF &amp;Key</source>
        <translation>PFキー(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>明るさ(&amp;B)</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>暗</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>明</translation>
    </message>
    <message>
        <source>Auto Brightness</source>
        <translation>明るさ自動調整</translation>
    </message>
    <message>
        <source>Mic Key Lock</source>
        <translation>マイクキーロック</translation>
    </message>
    <message>
        <source>Data Speed</source>
        <translation>データスピード</translation>
    </message>
</context>
<context>
    <name>TModelForm</name>
    <message>
        <source>Model Select</source>
        <translation>機種選択</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
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
    <name>TPortsForm</name>
    <message>
        <source>Ports</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>Port map:</source>
        <translation>ポートの割り当て:</translation>
    </message>
    <message>
        <source>Serial devices:</source>
        <translation>シリアルデバイス:</translation>
    </message>
</context>
<context>
    <name>TReadForm</name>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Reading the data from the transceiver.</source>
        <translation>トランシーバーからデータを読み込んでいます。</translation>
    </message>
</context>
<context>
    <name>TSetupForm</name>
    <message>
        <source>Select your transceiver</source>
        <translation>お使いのトランシーバーを選択してください</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TSortForm</name>
    <message>
        <source>Memory Channel Sort</source>
        <translation>メモリーチャンネルのソート</translation>
    </message>
    <message>
        <source>&amp;Frequency</source>
        <translation>周波数(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Memory Name</source>
        <translation>メモリーネーム(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>ソート(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TToneGroup</name>
    <message>
        <source>Tone/CTCSS/DCS</source>
        <translation>トーン/CTCSS/DCS</translation>
    </message>
</context>
<context>
    <name>TVfoForm</name>
    <message>
        <source>Program VFO</source>
        <translation>プログラムVFO</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>TWelcomeForm</name>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
</context>
<context>
    <name>TWriteForm</name>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Writing data to the transceiver.</source>
        <translation>トランシーバーにデータを書き込んでいます。</translation>
    </message>
    <message>
        <source>Reading the data back from the transceiver to verify it.</source>
        <translation>確認のためトランシーバーからデータを読み戻しています。</translation>
    </message>
</context>
</TS>
