<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>打开网址...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>打开网址</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>属性(&amp;P)</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>片段属性</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>再次打开此文件</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>清空列表(&amp;C)</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>清空最近文件列表</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>一半大小(&amp;H)</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>视频一半大小</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>原始大小(&amp;O)</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>视频原始大小</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>两倍大小(&amp;D)</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>视频两倍大小</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>预设大小(&amp;E)</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>视频预设大小</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>保持宽高比(&amp;R)</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>保持宽高比</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>进度条(&amp;P)</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>显示或隐藏进度条</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>播放列表(&amp;L)</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>显示或隐藏播放列表
播放列表</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>日志(&amp;G)</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>显示或隐藏日志</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>总在最前(&amp;A)</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>切换总在最前</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>截图(&amp;N)</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>将当前画面保存到图片中的 Taleno 文件夹</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>开始播放
播放</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>暂停(&amp;A)</translation>
    </message>
    <message>
        <source>Pause
Pause</source>
        <translation>暂停
暂停</translation>
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
        <translation>上一个</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>上一个
上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>下一个
下一个</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>前进 10 秒</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>前进 10 秒</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>后退 10 秒</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>后退 10 秒</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>前进 1 分钟</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>前进 1 分钟</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>后退 1 分钟</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>后退 1 分钟</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>前进 10 分钟</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>前进 10 分钟</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>后退 10 分钟</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>后退 10 分钟</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>跳转(&amp;G)...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>跳转</translation>
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
        <translation>静音(&amp;M)</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>静音
静音</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不做任何事</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>重复(&amp;R)</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>重复
重复</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>减速(&amp;S)</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>减速播放，保持音调</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>加速(&amp;F)</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>加速播放，保持音调</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>正常速度(&amp;N)</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>以正常速度播放</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>逐帧(&amp;F)</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>暂停，或在暂停时显示下一帧</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>下一条音轨(&amp;N)</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>播放片段的下一条音轨</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>关闭字幕(&amp;O)</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>不显示字幕</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>下一个字幕(&amp;N)</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>显示下一个字幕，最后一个之后不显示</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>加载字幕(&amp;L)...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>为正在播放的片段加载字幕文件</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>字幕提前(&amp;E)</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>字幕提前 100 毫秒显示</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>字幕延后(&amp;T)</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>字幕延后 100 毫秒显示</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>重置字幕延迟(&amp;R)</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>按字幕自身的时间显示</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>上一章节(&amp;P)</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>到本章节或上一章节的开头</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>下一章节(&amp;N)</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>到下一章节的开头</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>首选项(&amp;P)</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>显示首选项</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>关于 Taleno(&amp;A)</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>播放结束后</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>速度(&amp;D)</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>音轨(&amp;T)</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>字幕(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>章节(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>关于 Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>驱动 MPlayer 的媒体播放器</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 kbps，%2 Hz，%3 声道</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kbps，%2 帧/秒</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>片段的技术详情。</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>时长:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>码率:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>媒体类型:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>视频大小:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>宽高比:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>音频编码:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>视频编码:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>位置:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>片段的详情。</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>作曲:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>版权:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>评级:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>注释:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>片段的轨道和章节。</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>音轨:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>章节:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>轨道</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>时</translation>
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
        <translation>跳转</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 增加</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 减少</translation>
    </message>
</context>
<context>
    <name>taleno::CLogDlg</name>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>播放程序的输出</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>无法保存设置！</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>加载字幕</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>字幕 (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>正在退出...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

此文件已不存在，已从列表中移除。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>字幕延迟: %1 毫秒</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>正在播放</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>找不到播放程序！</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>截图已保存: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>正在解析...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>未能加载字幕: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>未能保存截图: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在启动...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>正在播放: %1 kbps</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>片段: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>作者: </translation>
    </message>
    <message>
        <source>Copyright: </source>
        <translation>版权: </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>评级: </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>专辑: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>标题: </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>艺术家: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>流派: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>MPlayer 启动失败</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>缓存: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>更多菜单</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>打开网址</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>在此输入要打开的网址。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网址</translation>
    </message>
</context>
<context>
    <name>taleno::CPageResolver</name>
    <message>
        <source>it gave no reason</source>
        <translation>未说明原因</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp 在 %1 秒内未在此页面找到视频。</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>播放网页中的视频需要 yt-dlp，但它尚未安装（PATH 中没有 &quot;yt-dlp&quot;）。</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>无法启动 yt-dlp。</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp 未在此页面找到视频: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>没有正在播放的片段</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 作为字幕太大</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>无法将 %1 交给播放程序</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>播放列表 (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>添加...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>加载...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>保存...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>随机排列</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>条目</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>播放程序</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>关联</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>选择要使用的 MPlayer</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>MPlayer 程序</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>使用默认设置 (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>使用下面指定的程序:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>选择 MPlayer 的输出驱动</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>音频输出驱动</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(默认: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>视频输出驱动</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(默认: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>双缓冲</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色调</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>更改将在 MPlayer 重新启动后生效</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>配置 Taleno</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>启动时显示界面的这些部分</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>屏幕保护（和节能）设置</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>不禁用</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>播放时禁用</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>片段含有视频时禁用</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>预设大小（缩放比例）</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>%（相对视频原始大小）</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>其他选项</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>允许多个实例</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>自动随机排列播放列表</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>启动时启用“总在最前”</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>以全屏打开文件</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>记住上次的播放位置</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>字幕设置</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>自动加载字幕</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>例如: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>找不到字体文件！</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>由 Taleno 打开的文件扩展名</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>扩展名</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>例如:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>加载...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>关联！</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>每行一个扩展名，不带前面的点</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>关联失败:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>无需操作。</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>特殊命令设置</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>按键和命令</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>高级设置（仅供有经验的用户）</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>MPlayer 附加参数</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>例如: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>MPlayer 进程优先级</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>低于正常</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>高于正常</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>实时</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(默认: 正常)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>注意: “实时”优先级可能导致系统卡死</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>禁用 MPlayer 监视</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>启用日志</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>正在播放剪辑</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>已播放片段的百分比</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>关机倒计时</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>秒...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>无法关闭计算机: %1。</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
</context>
<context>
    <name>taleno::CTALENOView</name>
    <message>
        <source>Video</source>
        <translation>视频</translation>
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
        <translation>更多按钮</translation>
    </message>
</context>
</TS>
