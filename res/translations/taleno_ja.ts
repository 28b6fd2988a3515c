<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>URL を開く...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL を開く</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>プロパティ(&amp;P)</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>クリップのプロパティ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>このファイルをもう一度開く</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>一覧を消去(&amp;C)</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>最近使ったファイルの一覧を消去</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>半分のサイズ(&amp;H)</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>映像を半分のサイズに</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>元のサイズ(&amp;O)</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>映像を元のサイズに</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>2 倍のサイズ(&amp;D)</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>映像を 2 倍のサイズに</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>既定のサイズ(&amp;E)</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>映像を既定のサイズに</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>縦横比を保つ(&amp;R)</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>縦横比を保つ</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>進行状況バー(&amp;P)</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>進行状況バーの表示/非表示</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>ツールバーの表示/非表示</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>プレイリスト(&amp;L)</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>プレイリストの表示/非表示
プレイリスト</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>ログ(&amp;G)</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>ログの表示/非表示</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>常に手前に表示(&amp;A)</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>常に手前に表示の切り替え</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>スクリーンショットを撮る(&amp;N)</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>表示中の画像をピクチャの Taleno フォルダーに保存</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>再生を開始
再生</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>一時停止(&amp;A)</translation>
    </message>
    <message>
        <source>Pause
Pause</source>
        <translation>一時停止
一時停止</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>停止
停止</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>前へ
前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>次へ
次へ</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>10 秒進む</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>10 秒進む</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>10 秒戻る</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>10 秒戻る</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>1 分進む</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>1 分進む</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>1 分戻る</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>1 分戻る</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>10 分進む</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>10 分進む</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>10 分戻る</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>10 分戻る</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>移動(&amp;G)...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>100% Volume</source>
        <translation>音量 100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>75% Volume</source>
        <translation>音量 75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>50% Volume</source>
        <translation>音量 50%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>25% Volume</source>
        <translation>音量 25%</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>ミュート(&amp;M)</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>ミュート
ミュート</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>リピート(&amp;R)</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>リピート
リピート</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>遅く(&amp;S)</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>音の高さを保ったまま遅く再生</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>速く(&amp;F)</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>音の高さを保ったまま速く再生</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>通常の速度(&amp;N)</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>通常の速度で再生</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>コマ送り(&amp;F)</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>一時停止、または一時停止中に次のコマを表示</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>次の音声トラック(&amp;N)</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>クリップの次の音声トラックを再生</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>オフ(&amp;O)</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>字幕を表示しない</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>次の字幕(&amp;N)</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>次の字幕を表示 (最後の次は字幕なし)</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>字幕を読み込む(&amp;L)...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>再生中のクリップに字幕ファイルを読み込む</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>字幕を早く(&amp;E)</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>字幕を 100 ミリ秒早く表示</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>字幕を遅く(&amp;T)</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>字幕を 100 ミリ秒遅く表示</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>字幕のずれをリセット(&amp;R)</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>字幕を本来のタイミングで表示</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>前のチャプター(&amp;P)</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>このチャプター、または前のチャプターの先頭へ</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>次のチャプター(&amp;N)</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>次のチャプターの先頭へ</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>設定(&amp;P)</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>設定を表示</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>Taleno について(&amp;A)</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>再生後</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>速度(&amp;D)</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>音声トラック(&amp;T)</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>字幕(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>チャプター(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>Taleno について</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>MPlayer を動かすメディアプレーヤー</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>taleno::CClipPropertiesSheet</name>
    <message>
        <source>%1 Kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 kbps、%2 Hz、%3 チャンネル</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kbps、%2 fps</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>クリップの技術的な詳細です。</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長さ:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>ビットレート:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>メディアの種類:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>映像のサイズ:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>縦横比:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>音声コーデック:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>映像コーデック:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>場所:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>クリップの詳細です。</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>作曲者:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>ジャンル:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>著作権:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>評価:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>クリップのトラックとチャプターです。</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>音声トラック:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>チャプター:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>トラック</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 を増やす</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 を減らす</translation>
    </message>
</context>
<context>
    <name>taleno::CLogDlg</name>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>再生プログラムの出力</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>字幕を読み込む</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>字幕 (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>終了しています...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

このファイルはもうありません。一覧から外しました。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>字幕のずれ: %1 ミリ秒</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>再生プログラムが見つかりません。</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>スクリーンショットを保存しました: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>解決しています...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>字幕を読み込めませんでした: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>スクリーンショットを保存できませんでした: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>開始しています...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>再生中: %1 kbps</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>クリップ: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>作者: </translation>
    </message>
    <message>
        <source>Copyright: </source>
        <translation>著作権: </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>評価: </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>アルバム: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>タイトル: </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>アーティスト: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>ジャンル: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>MPlayer を開始できませんでした</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>キャッシュ: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>その他のメニュー</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>URL を開く</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>開く URL をここに入力してください。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
<context>
    <name>taleno::CPageResolver</name>
    <message>
        <source>it gave no reason</source>
        <translation>理由は示されませんでした</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp は %1 秒以内にこのページで動画を見つけられませんでした。</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Web ページの動画の再生には yt-dlp が必要ですが、インストールされていません (PATH に &quot;yt-dlp&quot; がありません)。</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>yt-dlp を開始できませんでした。</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp はこのページで動画を見つけられませんでした: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>再生中のクリップがありません</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 は字幕としては大きすぎます</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>%1 を再生プログラムに渡せませんでした</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>プレイリスト (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>追加...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>読み込み...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>保存...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>シャッフル</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>項目</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>再生プログラム</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>関連付け</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>使用する MPlayer を選びます</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>MPlayer プログラム</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>既定の設定を使う (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>次に指定するプログラムを使う:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>MPlayer の出力ドライバーを選びます</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>音声出力ドライバー</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(既定: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>映像出力ドライバー</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(既定: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>映像の設定</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>映像の設定</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>ダブルバッファー</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色合い</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>変更は MPlayer の再起動後に有効になります</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Taleno の設定</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>起動時に表示する画面の部分</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況バー</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>スクリーンセーバー (と省電力) の設定</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>無効にしない</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>再生中は無効にする</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>クリップに映像があれば無効にする</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>既定のサイズ (拡大率)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% (元の映像のサイズに対して)</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>複数の起動を許可する</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>プレイリストを自動でシャッフルする</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>起動時に「常に手前に表示」にする</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>ファイルを全画面で開く</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>最後の再生位置を記憶する</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>字幕の設定</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>字幕を自動で読み込む</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>例: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>文字コード</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>フォントファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Taleno で開くファイルの拡張子</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>拡張子</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>例:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>読み込み...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>関連付ける</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>1 行に 1 つ、前のピリオド (ドット) なしで</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>関連付けに失敗しました:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>何もしませんでした。</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>特別なコマンドの設定</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>キーとコマンド</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>詳細な設定 (上級者向け)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>MPlayer に渡す追加のパラメーター</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>例: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>MPlayer プロセスの優先度</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>アイドル</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>通常以下</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>通常以上</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>リアルタイム</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(既定: 通常)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>注意: 「リアルタイム」の優先度はシステムを停止させることがあります</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>MPlayer の監視を無効にする</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>ログを有効にする</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>クリップを再生中</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>再生したクリップの割合 (%)</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>シャットダウンまで</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>秒...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>コンピューターの電源を切れませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
</context>
<context>
    <name>taleno::CTALENOView</name>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
</context>
<context>
    <name>taleno::CVolumeToolBar</name>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>その他のボタン</translation>
    </message>
</context>
</TS>
