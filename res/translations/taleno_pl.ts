<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>Otwórz URL...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Otwórz URL</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Właściwości</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>Właściwości klipu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>Otwórz ponownie ten plik</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>Wyczyść listę ostatnich plików</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>&amp;Połowa rozmiaru</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>Połowa rozmiaru obrazu</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>Rozmiar &amp;oryginalny</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>Oryginalny rozmiar obrazu</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>Po&amp;dwójny rozmiar</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>Podwójny rozmiar obrazu</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>Rozmiar &amp;ustawiony</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>Ustawiony rozmiar obrazu</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>Zachowaj p&amp;roporcje</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Zachowaj proporcje</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>Pasek pos&amp;tępu</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>Pokaż lub ukryj pasek postępu</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>Pokaż lub ukryj pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>&amp;Lista odtwarzania</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>Pokaż lub ukryj listę odtwarzania
Lista odtwarzania</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>Dzienn&amp;ik</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>Pokaż lub ukryj dziennik</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Zawsze na &amp;wierzchu</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Włącz lub wyłącz Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>Zrzut e&amp;kranu</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>Zapisz pokazany obraz w folderze Taleno twoich obrazów</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Odt&amp;wórz</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>Rozpocznij odtwarzanie
Odtwórz</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;auza</translation>
    </message>
    <message>
        <source>Pause
Pause</source>
        <translation>Pauza
Pauza</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>Zatrzymaj
Zatrzymaj</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>Poprzedni
Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>Następny
Następny</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>10 sekund do przodu</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>10 sekund do przodu</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>10 sekund do tyłu</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>10 sekund do tyłu</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>1 minuta do przodu</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>1 minuta do przodu</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>1 minuta do tyłu</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>1 minuta do tyłu</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>10 minut do przodu</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>10 minut do przodu</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>10 minut do tyłu</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>10 minut do tyłu</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Przejdź do...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Przejdź do</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>100% Volume</source>
        <translation>Głośność 100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>75% Volume</source>
        <translation>Głośność 75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>50% Volume</source>
        <translation>Głośność 50%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>25% Volume</source>
        <translation>Głośność 25%</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Wycisz</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>Wycisz
Wycisz</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>Powta&amp;rzaj</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>Powtarzaj
Powtarzaj</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Wolniej</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>Odtwarzaj wolniej, bez zmiany wysokości dźwięku</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Szybciej</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>Odtwarzaj szybciej, bez zmiany wysokości dźwięku</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>&amp;Normalna szybkość</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>Odtwarzaj z normalną szybkością</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>&amp;Klatka po klatce</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>Wstrzymaj, a podczas pauzy pokaż następną klatkę</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>&amp;Następna ścieżka</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>Odtwarzaj następną ścieżkę dźwiękową klipu</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Wyłączone</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>Nie pokazuj napisów</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>&amp;Następne napisy</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>Pokaż następne napisy, a po ostatnich żadne</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>W&amp;czytaj napisy...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>Wczytaj plik napisów do odtwarzanego klipu</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>Napisy wcz&amp;eśniej</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>Pokazuj napisy 100 ms wcześniej</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>Napisy &amp;później</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>Pokazuj napisy 100 ms później</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>&amp;Zeruj opóźnienie</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>Pokazuj napisy w ich własnym czasie</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>&amp;Poprzedni rozdział</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>Na początek tego rozdziału lub poprzedniego</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>&amp;Następny rozdział</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>Na początek następnego rozdziału</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencje</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>Pokaż preferencje</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>&amp;O programie Taleno</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>Os&amp;tatnie</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>Po odtwarzaniu</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Szybkość</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>Ścieżka &amp;dźwiękowa</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>Napis&amp;y</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>R&amp;ozdziały</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwarzanie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Op&amp;cje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>O programie Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>Odtwarzacz multimedialny sterujący programem MPlayer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
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
        <translation>%1 kb/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 kb/s, %2 Hz, kanały: %3</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kb/s, %2 kl./s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>Szczegóły techniczne klipu.</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Długość:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Przepływność:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>Rozmiar obrazu:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporcje:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>Kodek dźwięku:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>Kodek obrazu:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Położenie:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>Szczegóły klipu.</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Wykonawca:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Kompozytor:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Gatunek:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Prawa autorskie:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Ocena:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Komentarze:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Zawartość</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>Ścieżki i rozdziały klipu.</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Ścieżki dźwiękowe:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Napisy:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Rozdziały:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Ścieżki</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>Przejdź do</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>IDŹ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 w górę</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 w dół</translation>
    </message>
</context>
<context>
    <name>taleno::CLogDlg</name>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>Komunikaty programu odtwarzającego</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>Nie udało się zapisać ustawień!</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Wczytaj napisy</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>Napisy (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>Zamykanie...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

Tego pliku już nie ma; usunięto go z listy.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>Opóźnienie napisów: %1 ms</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Odtwarzanie</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>Nie znaleziono programu odtwarzającego!</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>Zapisano zrzut: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>Ustalanie...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>Nie wczytano napisów: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>Nie zapisano zrzutu: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Uruchamianie...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>Teraz: %1 kb/s</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>Klip: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Copyright: </source>
        <translation>Prawa autorskie: </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>Ocena: </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>Album: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Tytuł: </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>Wykonawca: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Gatunek: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>Nie udało się uruchomić programu MPlayer</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>Bufor: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Więcej menu</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>Otwórz URL</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>Wpisz tutaj adres URL do otwarcia.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>Adres URL</translation>
    </message>
</context>
<context>
    <name>taleno::CPageResolver</name>
    <message>
        <source>it gave no reason</source>
        <translation>bez podania przyczyny</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp nie znalazł filmu na tej stronie w ciągu %1 s.</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Do odtworzenia filmu ze strony internetowej potrzebny jest yt-dlp, który nie jest zainstalowany (brak „yt-dlp” w PATH).</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>Nie udało się uruchomić yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp nie znalazł filmu na tej stronie: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>żaden klip nie jest odtwarzany</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 jest za duży jak na napisy</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>nie udało się przekazać %1 programowi odtwarzającemu</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>listy odtwarzania (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista odtwarzania</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Dodaj...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Wczytaj...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Zapisz...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Wymieszaj</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Pozycje</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Napisy</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>Skojarzenia</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>Wybierz używany program MPlayer</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>Program MPlayer</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>Ustawienie domyślne (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>Użyj programu podanego poniżej:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>Wybierz sterowniki wyjścia programu MPlayer</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>Sterownik wyjścia dźwięku</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(domyślnie: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>Sterownik wyjścia obrazu</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(domyślnie: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>Ustawienia obrazu</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Ustawienia obrazu</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>Podwójne buforowanie</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Odcień</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Nasycenie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>Zmiany zadziałają po ponownym uruchomieniu programu MPlayer</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Konfiguracja programu Taleno</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>Pokazuj przy starcie te części interfejsu</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista odtwarzania</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>Wygaszacz ekranu (i oszczędzanie energii)</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>Nie wyłączaj</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>Wyłączaj podczas odtwarzania</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>Wyłączaj, gdy klip zawiera obraz</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>Ustawiony rozmiar (powiększenie)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% oryginalnego rozmiaru obrazu</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Inne opcje</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>Zezwalaj na wiele kopii</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>Samoczynnie mieszaj listę odtwarzania</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>Włączaj „Zawsze na wierzchu” przy starcie</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>Otwieraj pliki na pełnym ekranie</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>Pamiętaj ostatnią pozycję odtwarzania</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>Ustawienia napisów</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>Samoczynnie wczytuj napisy</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>Na przykład: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodowanie</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>Nie znaleziono pliku czcionki!</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Rozszerzenia plików otwieranych przez Taleno</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Rozszerzenia</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>na przykład:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Wczytaj...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>Skojarz!</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>jedno rozszerzenie w wierszu, bez kropki przed nim</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>Nie udało się skojarzyć:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>Nic do zrobienia.</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>Polecenia specjalne</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>Klawisze i polecenia</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>Ustawienia zaawansowane (tylko dla doświadczonych)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>Dodatkowe parametry programu MPlayer</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>Na przykład: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>Priorytet procesu MPlayer</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bezczynny</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>Poniżej normalnego</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>Powyżej normalnego</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Czasu rzeczywistego</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(domyślnie: Normalny)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>Uwaga: priorytet „Czasu rzeczywistego” może zablokować system</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>Wyłącz nadzór nad programem MPlayer</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>Prowadź dziennik</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>Odtwarzanie klipu</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>nie można zapisać w %1</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>Odtworzona część klipu w procentach</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>Wyłączanie</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>Wyłączenie za</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>sekund...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>Nie udało się wyłączyć komputera: %1.</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
</context>
<context>
    <name>taleno::CTALENOView</name>
    <message>
        <source>Video</source>
        <translation>Obraz</translation>
    </message>
</context>
<context>
    <name>taleno::CVolumeToolBar</name>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Więcej przycisków</translation>
    </message>
</context>
</TS>
