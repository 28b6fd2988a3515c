<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>Apri URL...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Apri URL</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>Proprietà del clip</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>Riapri questo file</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Svuota l&apos;elenco</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>Svuota l&apos;elenco dei file recenti</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>&amp;Metà dimensione</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>Metà della dimensione del video</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>Dimensione &amp;originale</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>Dimensione originale del video</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>&amp;Doppia dimensione</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>Doppio della dimensione del video</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>Dimensione &amp;predefinita</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>Dimensione predefinita del video</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>Mantieni le p&amp;roporzioni</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Mantieni le proporzioni</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>&amp;Barra di avanzamento</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>Mostra o nascondi la barra di avanzamento</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli s&amp;trumenti</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>Mostra o nascondi la barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di st&amp;ato</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>&amp;Elenco di riproduzione</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>Mostra o nascondi l&apos;elenco di riproduzione
Elenco di riproduzione</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>Re&amp;gistro</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>Mostra o nascondi il registro</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Sempre in primo pia&amp;no</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Attiva o disattiva Sempre in primo piano</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>Cattura &amp;schermata</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>Salva l&apos;immagine mostrata nella cartella Taleno delle tue immagini</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>Avvia la riproduzione
Riproduci</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>Pause
Pause</source>
        <translation>Pausa
Pausa</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>Ferma
Ferma</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>Precedente
Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>Successivo
Successivo</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Avanti di 10 secondi</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>Avanti di 10 secondi</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>Indietro di 10 secondi</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>Indietro di 10 secondi</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>Avanti di 1 minuto</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>Avanti di 1 minuto</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>Indietro di 1 minuto</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>Indietro di 1 minuto</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>Avanti di 10 minuti</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>Avanti di 10 minuti</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>Indietro di 10 minuti</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>Indietro di 10 minuti</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Vai a...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>100% Volume</source>
        <translation>Volume 100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>75% Volume</source>
        <translation>Volume 75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>50% Volume</source>
        <translation>Volume 50%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>25% Volume</source>
        <translation>Volume 25%</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Muto</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>Muto
Muto</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>Ri&amp;peti</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>Ripeti
Ripeti</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Più &amp;lento</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>Riproduci più lentamente, senza cambiare il tono</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Più &amp;veloce</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>Riproduci più velocemente, senza cambiare il tono</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>Velocità &amp;normale</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>Riproduci a velocità normale</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>Fotogramma &amp;successivo</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>Metti in pausa, o in pausa mostra il fotogramma successivo</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>Traccia audio &amp;successiva</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>Riproduci la traccia audio successiva del clip</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Nessuno</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>Non mostrare sottotitoli</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>Sottotitoli &amp;successivi</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>Mostra i sottotitoli successivi, o nessuno dopo gli ultimi</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>&amp;Carica sottotitoli...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>Carica un file di sottotitoli nel clip in riproduzione</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>Sottotitoli &amp;prima</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>Mostra i sottotitoli 100 ms prima</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>Sottotitoli &amp;dopo</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>Mostra i sottotitoli 100 ms dopo</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>&amp;Azzera il ritardo</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>Mostra i sottotitoli ai loro tempi</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>Capitolo &amp;precedente</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>All&apos;inizio di questo capitolo, o del precedente</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>Capitolo &amp;successivo</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>All&apos;inizio del capitolo successivo</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>Mostra le preferenze</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>&amp;Informazioni su Taleno</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Recenti</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>Dopo la riproduzione</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Veloci&amp;tà</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>Traccia au&amp;dio</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>Sottot&amp;itoli</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>&amp;Capitoli</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduzione</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>Informazioni su Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>Un lettore multimediale che guida il programma MPlayer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
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
%1 kbit/s, %2 Hz, %3 canale/i</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kbit/s, %2 fotogrammi/s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>Dettagli tecnici del clip.</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>Tipo di media:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>Dimensione del video:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporzioni:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>Codec audio:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>Codec video:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>Dettagli del clip.</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Compositore:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genere:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Valutazione:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commenti:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>Le tracce e i capitoli del clip.</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Tracce audio:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sottotitoli:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capitoli:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Tracce</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>VAI</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 su</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 giù</translation>
    </message>
</context>
<context>
    <name>taleno::CLogDlg</name>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>Uscita del programma di riproduzione</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>Impossibile salvare le impostazioni!</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>tutti i file (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Carica sottotitoli</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>Sottotitoli (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;tutti i file (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>Chiusura...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

Questo file non esiste più; è stato tolto dall&apos;elenco.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>Ritardo dei sottotitoli: %1 ms</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>In riproduzione</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>Programma di riproduzione non trovato!</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>impossibile aprire il file</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>Schermata salvata: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>Risoluzione...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>I sottotitoli non sono stati caricati: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>Schermata non salvata: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>In riproduzione: %1 kbit/s</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>Clip: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autore: </translation>
    </message>
    <message>
        <source>Copyright: </source>
        <translation>Copyright: </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>Valutazione: </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>Album: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titolo: </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>Artista: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Genere: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>Impossibile avviare MPlayer</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>Cache: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Altri menu</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>Apri URL</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>Inserisci qui un URL da aprire.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>senza indicare un motivo</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp non ha trovato alcun video in questa pagina entro %1 secondi.</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Per riprodurre il video di una pagina web serve yt-dlp, che non è installato (nessun «yt-dlp» nel PATH).</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>Impossibile avviare yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp non ha trovato alcun video in questa pagina: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>nessun clip in riproduzione</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 è troppo grande per dei sottotitoli</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>impossibile passare %1 al programma di riproduzione</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>elenchi di riproduzione (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>tutti i file (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Elenco di riproduzione</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Aggiungi...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Carica...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Voci</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>tutti i file (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>file di testo (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>Associazione</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>Scegli il programma MPlayer da usare</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>Programma MPlayer</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>Usa l&apos;impostazione predefinita (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>Usa il programma indicato sotto:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>Scegli i driver di uscita di MPlayer</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>Driver di uscita audio</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(predefinito: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>Driver di uscita video</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(predefinito: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>Imposta qui il video</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Impostazioni video</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>Doppio buffer</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>Le modifiche valgono dal prossimo avvio di MPlayer</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Configura Taleno</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>Mostra queste parti dell&apos;interfaccia all&apos;avvio</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Elenco di riproduzione</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>Salvaschermo (e risparmio energetico)</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>Non disattivare</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>Disattiva durante la riproduzione</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>Disattiva se il clip contiene video</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>Dimensione predefinita (fattore di zoom)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% della dimensione originale del video</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>Consenti più istanze</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>Mescola automaticamente l&apos;elenco di riproduzione</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>Attiva «Sempre in primo piano» all&apos;avvio</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>Apri i file a schermo intero</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>Ricorda l&apos;ultima posizione di riproduzione</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>Imposta qui i sottotitoli</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>Carica automaticamente i sottotitoli</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>Per esempio: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codifica</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>File del carattere non trovato!</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Estensioni dei file che Taleno deve aprire</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Estensioni</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>per esempio:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Carica...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>Associa!</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>un&apos;estensione per riga, senza il punto davanti</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>impossibile aprire il file</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>Associazione non riuscita:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Fatto!</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>Niente da fare.</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>Imposta qui comandi speciali</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>Tasti e comandi</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>Impostazioni avanzate (solo per utenti esperti)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>Parametri aggiuntivi di MPlayer</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>Per esempio: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>Priorità del processo MPlayer</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inattiva</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>Inferiore al normale</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>Superiore al normale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Tempo reale</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(predefinita: Normale)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>Attenzione: la priorità «Tempo reale» può bloccare il sistema</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>Disattiva il controllo di MPlayer</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>Attiva il registro</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisci un numero intero tra %1 e %2.</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>Riproduzione di un clip</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>impossibile scrivere in %1</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>Percentuale del clip riprodotta</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>Spegnimento tra</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>secondi...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>Impossibile spegnere il computer: %1.</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
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
        <translation>Volume</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Altri pulsanti</translation>
    </message>
</context>
</TS>
