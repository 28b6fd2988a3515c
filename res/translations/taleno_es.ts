<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>Abrir URL...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Abrir URL</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>Propiedades del clip</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>Abrir de nuevo este archivo</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>Vaciar la lista de archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>&amp;Mitad del tamaño</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>Mitad del tamaño del vídeo</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>Tamaño &amp;original</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>Tamaño original del vídeo</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>&amp;Doble tamaño</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>Doble del tamaño del vídeo</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>Tamaño &amp;predefinido</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>Tamaño predefinido del vídeo</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>Mantener la &amp;relación de aspecto</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Mantener la relación de aspecto</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>&amp;Barra de progreso</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>Mostrar u ocultar la barra de progreso</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>&amp;Lista de reproducción</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>Mostrar u ocultar la lista de reproducción
Lista de reproducción</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>Re&amp;gistro</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>Mostrar u ocultar el registro</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Siempre &amp;visible</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Activar o desactivar Siempre visible</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>Captura de pan&amp;talla</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>Guardar la imagen mostrada en la carpeta Taleno de sus imágenes</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>Iniciar la reproducción
Reproducir</translation>
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
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>Detener
Detener</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>Anterior
Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>Siguiente
Siguiente</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Avanzar 10 segundos</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>Avanzar 10 segundos</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>Retroceder 10 segundos</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>Retroceder 10 segundos</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>Avanzar 1 minuto</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>Avanzar 1 minuto</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>Retroceder 1 minuto</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>Retroceder 1 minuto</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>Avanzar 10 minutos</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>Avanzar 10 minutos</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>Retroceder 10 minutos</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>Retroceder 10 minutos</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Ir a...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>100% Volume</source>
        <translation>Volumen 100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>75% Volume</source>
        <translation>Volumen 75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>50% Volume</source>
        <translation>Volumen 50%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>25% Volume</source>
        <translation>Volumen 25%</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>Silenciar
Silenciar</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>Re&amp;petir</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>Repetir
Repetir</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Más &amp;lento</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>Reproducir más lento, sin cambiar el tono</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Más &amp;rápido</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>Reproducir más rápido, sin cambiar el tono</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>Velocidad &amp;normal</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>Reproducir a velocidad normal</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>&amp;Fotograma a fotograma</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>Pausar, o en pausa mostrar el siguiente fotograma</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>&amp;Siguiente pista de audio</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>Reproducir la siguiente pista de audio del clip</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>No mostrar subtítulos</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>&amp;Siguientes subtítulos</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>Mostrar los siguientes subtítulos, o ninguno tras los últimos</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>&amp;Cargar subtítulos...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>Cargar un archivo de subtítulos en el clip en reproducción</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>Subtítulos &amp;antes</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>Mostrar los subtítulos 100 ms antes</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>Subtítulos &amp;después</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>Mostrar los subtítulos 100 ms después</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>&amp;Restablecer el retardo</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>Mostrar los subtítulos en sus propios tiempos</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>Capítulo &amp;anterior</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>Al inicio de este capítulo, o del anterior</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>Capítulo &amp;siguiente</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>Al inicio del siguiente capítulo</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>Mostrar las preferencias</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>&amp;Acerca de Taleno</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Recientes</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>Después de la reproducción</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>Pista de &amp;audio</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>&amp;Subtítulos</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>&amp;Capítulos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducción</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>Acerca de Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>Un reproductor multimedia que dirige el programa MPlayer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 kbit/s, %2 Hz, %3 canal(es)</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kbit/s, %2 fotogramas/s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>Detalles técnicos del clip.</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>Tipo de medio:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>Tamaño del vídeo:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Relación de aspecto:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>Códec de audio:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>Códec de vídeo:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>Detalles del clip.</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Compositor:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Valoración:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>Las pistas y los capítulos del clip.</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Pistas de audio:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtítulos:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capítulos:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 menos</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>Salida del programa de reproducción</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>¡No se pudieron guardar los ajustes!</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos los archivos (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Cargar subtítulos</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>Subtítulos (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;todos los archivos (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>Cerrando...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

Este archivo ya no existe; se ha quitado de la lista.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>Retardo de subtítulos: %1 ms</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>¡No se encontró el programa de reproducción!</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>Captura guardada: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>Resolviendo...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>No se cargaron los subtítulos: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>Captura no guardada: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>Reproduciendo: %1 kbit/s</translation>
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
        <translation>Valoración: </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>Álbum: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Título: </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>Artista: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Género: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>MPlayer no pudo iniciarse</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>Caché: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>Abrir URL</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>Escriba aquí una URL para abrir.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>sin dar un motivo</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp no encontró ningún vídeo en esta página en %1 segundos.</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Reproducir el vídeo de una página web requiere yt-dlp, que no está instalado (no hay «yt-dlp» en el PATH).</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>No se pudo iniciar yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp no encontró ningún vídeo en esta página: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>no se está reproduciendo ningún clip</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 es demasiado grande para ser subtítulos</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>no se pudo pasar %1 al programa de reproducción</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>listas de reproducción (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos los archivos (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Cargar...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos los archivos (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>Asociación</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>Elegir el programa MPlayer que se usará</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>Programa MPlayer</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>Usar la configuración predeterminada (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>Usar el programa indicado abajo:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>Elegir los controladores de salida de MPlayer</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>Controlador de salida de audio</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(predeterminado: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>Controlador de salida de vídeo</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(predeterminado: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>Ajustar aquí el vídeo</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Ajustes de vídeo</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>Doble búfer</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>Los cambios se aplican al reiniciar MPlayer</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Configurar Taleno</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>Mostrar estas partes de la interfaz al iniciar</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>Salvapantallas (y ahorro de energía)</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>No desactivar</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>Desactivar al reproducir</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>Desactivar si el clip contiene vídeo</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>Tamaño predefinido (factor de zoom)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% del tamaño original del vídeo</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Otras opciones</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>Permitir varias instancias</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>Mezclar la lista de reproducción automáticamente</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>Activar «Siempre visible» al iniciar</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>Abrir los archivos a pantalla completa</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>Recordar la última posición de reproducción</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>Ajustar aquí los subtítulos</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>Cargar subtítulos automáticamente</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>Por ejemplo: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificación</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>¡No se encontró el archivo de fuente!</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Extensiones de archivo que Taleno debe abrir</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>por ejemplo:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Cargar...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>¡Asociar!</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>una extensión por línea, sin el punto delante</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>Falló la asociación:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>Nada que hacer.</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>Definir aquí órdenes especiales</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>Teclas y órdenes</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>Ajustes avanzados (solo para usuarios expertos)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>Parámetros adicionales de MPlayer</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>Por ejemplo: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>Prioridad del proceso de MPlayer</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>Inferior a la normal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>Superior a la normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Tiempo real</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(predeterminada: Normal)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>Atención: la prioridad «Tiempo real» puede bloquear el sistema</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>Desactivar la vigilancia de MPlayer</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>Activar el registro</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Escriba un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>Reproduciendo un clip</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>no se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>Porcentaje del clip reproducido</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>Apagado en</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>segundos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>No se pudo apagar el equipo: %1.</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>taleno::CTALENOView</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
</context>
<context>
    <name>taleno::CVolumeToolBar</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
</context>
</TS>
