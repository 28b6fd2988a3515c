<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>URL öffnen...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>Clip-Eigenschaften</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>Diese Datei erneut öffnen</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>Die Liste der zuletzt geöffneten Dateien leeren</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>&amp;Halbe Größe</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>Halbe Videogröße</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>Originale Videogröße</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>&amp;Doppelte Größe</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>Doppelte Videogröße</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>Vor&amp;eingestellte Größe</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>Voreingestellte Videogröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>&amp;Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>&amp;Fortschrittsleiste</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>Fortschrittsleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>St&amp;atusleiste</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>Wiedergabe&amp;liste</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>Wiedergabeliste ein- oder ausblenden
Wiedergabeliste</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>Pro&amp;tokoll</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>Protokoll ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Immer im Vordergrund ein oder aus</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>Bildschirmfoto &amp;machen</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>Das gezeigte Bild im Ordner Taleno Ihrer Bilder speichern</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>Wiedergabe starten
Abspielen</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Pause
Pause</source>
        <translation>Pause
Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>Stopp
Stopp</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>Vorheriger
Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>Nächster
Nächster</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>10 Sekunden vor</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>10 Sekunden vor</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>10 Sekunden zurück</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>10 Sekunden zurück</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>1 Minute vor</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>1 Minute vor</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>1 Minute zurück</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>1 Minute zurück</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>10 Minuten vor</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>10 Minuten vor</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>10 Minuten zurück</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>10 Minuten zurück</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Gehe zu...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>100% Volume</source>
        <translation>Lautstärke 100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>75% Volume</source>
        <translation>Lautstärke 75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>50% Volume</source>
        <translation>Lautstärke 50%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>25% Volume</source>
        <translation>Lautstärke 25%</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Stumm</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>Stumm
Stumm</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>Wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>Langsamer abspielen, die Tonhöhe bleibt</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Schneller</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>Schneller abspielen, die Tonhöhe bleibt</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>&amp;Normales Tempo</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>Mit normalem Tempo abspielen</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>&amp;Einzelbild vor</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>Anhalten, oder angehalten das nächste Bild zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>&amp;Nächste Tonspur</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>Die nächste Tonspur des Clips abspielen</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>Keine Untertitel zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>&amp;Nächste Untertitel</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>Die nächsten Untertitel zeigen, nach den letzten keine</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>Untertitel &amp;laden...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>Eine Untertiteldatei in den laufenden Clip laden</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>Untertitel &amp;früher</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>Die Untertitel 100 ms früher zeigen</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>Untertitel &amp;später</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>Die Untertitel 100 ms später zeigen</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>Verzögerung &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>Die Untertitel zu ihren eigenen Zeiten zeigen</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>&amp;Vorheriges Kapitel</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>Zum Anfang dieses Kapitels oder des vorherigen</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>&amp;Nächstes Kapitel</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>Zum Anfang des nächsten Kapitels</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>Einstellungen anzeigen</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>&amp;Über Taleno</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>Nach der Wiedergabe</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Te&amp;mpo</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>&amp;Tonspur</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>&amp;Untertitel</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>&amp;Kapitel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>Über Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>Ein Medienspieler, der das Programm MPlayer steuert</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
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
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 kbit/s, %2 Hz, %3 Kanal/Kanäle</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kbit/s, %2 Bilder/s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>Technische Angaben zum Clip.</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>Medientyp:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>Videogröße:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>Audio-Codec:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>Video-Codec:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>Angaben zum Clip.</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Komponist:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Bewertung:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>Die Spuren und Kapitel des Clips.</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Tonspuren:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Kapitel:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Spuren</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 höher</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 niedriger</translation>
    </message>
</context>
<context>
    <name>taleno::CLogDlg</name>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>Ausgaben des Wiedergabeprogramms</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>alle Dateien (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Untertitel laden</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>Untertitel (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;alle Dateien (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>Wird beendet...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

Diese Datei gibt es nicht mehr; sie wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>Untertitelverzögerung: %1 ms</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>Wiedergabeprogramm nicht gefunden!</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>Bildschirmfoto gespeichert: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>Wird aufgelöst...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>Die Untertitel wurden nicht geladen: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>Bildschirmfoto nicht gespeichert: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>Jetzt läuft: %1 kbit/s</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>Clip: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Copyright: </source>
        <translation>Copyright: </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>Bewertung: </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>Album: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>Interpret: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Genre: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>MPlayer konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>Puffer: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>URL öffnen</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>Geben Sie hier eine URL zum Öffnen ein.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>ohne Angabe eines Grundes</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp hat innerhalb von %1 Sekunden kein Video auf dieser Seite gefunden.</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Um das Video einer Webseite abzuspielen, wird yt-dlp gebraucht, das nicht installiert ist (kein &quot;yt-dlp&quot; im PATH).</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>yt-dlp konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp hat kein Video auf dieser Seite gefunden: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>es läuft kein Clip</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 ist zu groß für Untertitel</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>%1 konnte dem Wiedergabeprogramm nicht übergeben werden</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>Wiedergabelisten (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>alle Dateien (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>alle Dateien (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>Zuordnung</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>Das zu verwendende MPlayer-Programm wählen</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>MPlayer-Programm</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>Voreinstellung verwenden (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>Das unten angegebene Programm verwenden:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>MPlayers Ausgabetreiber wählen</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>Audio-Ausgabetreiber</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(Voreinstellung: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>Video-Ausgabetreiber</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(Voreinstellung: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>Hier die Videoeinstellungen festlegen</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>Doppelte Pufferung</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>Änderungen wirken erst nach einem Neustart von MPlayer</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Taleno einrichten</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>Diese Teile der Oberfläche beim Start zeigen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsleiste</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>Bildschirmschoner (und Energiesparen)</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>Nicht ausschalten</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>Während der Wiedergabe ausschalten</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>Ausschalten, wenn der Clip ein Video enthält</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>Voreingestellte Größe (Zoomfaktor)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% der Originalgröße des Videos</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>Mehrere Instanzen zulassen</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>Wiedergabeliste automatisch mischen</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>&apos;Immer im Vordergrund&apos; beim Start einschalten</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>Dateien im Vollbild starten</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>Letzte Wiedergabeposition merken</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>Hier die Optionen für Untertitel festlegen</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>Untertitel automatisch laden</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>Zum Beispiel: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Zeichenkodierung</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>Die Schriftdatei wurde leider nicht gefunden!</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Dateiendungen, die Taleno öffnen soll</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Endungen</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>zum Beispiel:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>Zuordnen!</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>eine Endung je Zeile, ohne den Punkt davor</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>Zuordnung fehlgeschlagen:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Erledigt!</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>Nichts zu tun.</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>Hier eigene Befehle festlegen</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>Tasten und Befehle</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>Hier erweiterte Einstellungen festlegen (nur für Erfahrene)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>Weitere Parameter für MPlayer</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>Zum Beispiel: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>Priorität des MPlayer-Prozesses</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Leerlauf</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>Niedriger als normal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>Höher als normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(Voreinstellung: Normal)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>Vorsicht: Die Priorität &apos;Echtzeit&apos; kann das System blockieren</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>MPlayer-Überwachung ausschalten</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>Protokoll einschalten</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>Wiedergabe eines Clips</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>es kann nicht nach %1 geschrieben werden</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>Gespielter Anteil des Clips in Prozent</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>Herunterfahren in</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>Sekunden...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>Der Computer konnte nicht ausgeschaltet werden: %1.</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>taleno::CTALENOView</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>taleno::CVolumeToolBar</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
</TS>
