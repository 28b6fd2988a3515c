<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriedades</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>Propriedades do clipe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>Abrir este arquivo de novo</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Limpar a lista</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>Limpar a lista de arquivos recentes</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>&amp;Metade do tamanho</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>Metade do tamanho do vídeo</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>Tamanho &amp;original</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>Tamanho original do vídeo</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>&amp;Dobro do tamanho</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>Dobro do tamanho do vídeo</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>Tamanho &amp;predefinido</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>Tamanho predefinido do vídeo</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Tela &amp;cheia</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>Manter a p&amp;roporção</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Manter a proporção</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>&amp;Barra de progresso</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>Mostrar ou ocultar a barra de progresso</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>&amp;Lista de reprodução</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>Mostrar ou ocultar a lista de reprodução
Lista de reprodução</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>Re&amp;gistro</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>Mostrar ou ocultar o registro</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Sempre &amp;visível</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Ativar ou desativar Sempre visível</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>Capturar &amp;tela</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>Salvar a imagem mostrada na pasta Taleno das suas imagens</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>Iniciar a reprodução
Reproduzir</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Pa&amp;usar</translation>
    </message>
    <message>
        <source>Pause
Pause</source>
        <translation>Pausar
Pausar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>P&amp;arar</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>Parar
Parar</translation>
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
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>Próximo
Próximo</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Avançar 10 segundos</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>Avançar 10 segundos</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>Voltar 10 segundos</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>Voltar 10 segundos</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>Avançar 1 minuto</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>Avançar 1 minuto</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>Voltar 1 minuto</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>Voltar 1 minuto</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>Avançar 10 minutos</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>Avançar 10 minutos</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>Voltar 10 minutos</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>Voltar 10 minutos</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Ir para...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ir para</translation>
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
        <translation>&amp;Mudo</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>Mudo
Mudo</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
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
        <translation>Mais &amp;lento</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>Reproduzir mais devagar, sem mudar o tom</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Mais &amp;rápido</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>Reproduzir mais rápido, sem mudar o tom</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>Velocidade &amp;normal</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>Reproduzir na velocidade normal</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>&amp;Quadro a quadro</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>Pausar, ou em pausa mostrar o próximo quadro</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>&amp;Próxima faixa de áudio</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>Reproduzir a próxima faixa de áudio do clipe</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Nenhuma</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>Não mostrar legendas</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>&amp;Próximas legendas</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>Mostrar as próximas legendas, ou nenhuma depois das últimas</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>&amp;Carregar legendas...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>Carregar um arquivo de legendas no clipe em reprodução</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>Legendas &amp;antes</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>Mostrar as legendas 100 ms antes</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>Legendas &amp;depois</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>Mostrar as legendas 100 ms depois</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>&amp;Zerar o atraso</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>Mostrar as legendas nos seus próprios tempos</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>Capítulo &amp;anterior</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>Ao início deste capítulo, ou do anterior</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>&amp;Próximo capítulo</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>Ao início do próximo capítulo</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferências</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>Mostrar as preferências</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>&amp;Sobre o Taleno</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Recentes</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>Após a reprodução</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>Faixa de áu&amp;dio</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>&amp;Legendas</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>&amp;Capítulos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reprodução</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>Sobre o Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>Um reprodutor de mídia que comanda o programa MPlayer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 kbit/s, %2 Hz, %3 canal(is)</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kbit/s, %2 quadros/s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>Detalhes técnicos do clipe.</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>Tipo de mídia:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>Tamanho do vídeo:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporção:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>Codec de áudio:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>Codec de vídeo:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>Detalhes do clipe.</translation>
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
        <translation>Gênero:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classificação:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentários:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>As faixas e os capítulos do clipe.</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Faixas de áudio:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Legendas:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capítulos:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Faixas</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
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
        <translation>%1 mais</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>Saída do programa de reprodução</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>Não foi possível salvar as configurações!</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Carregar legendas</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>Legendas (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>Encerrando...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

Este arquivo não existe mais; foi retirado da lista.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>Atraso das legendas: %1 ms</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduzindo</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>Programa de reprodução não encontrado!</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>não foi possível abrir o arquivo</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>Captura salva: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>Resolvendo...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>As legendas não foram carregadas: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>Captura não salva: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>Reproduzindo: %1 kbit/s</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>Clipe: </translation>
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
        <translation>Classificação: </translation>
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
        <translation>Gênero: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>Não foi possível iniciar o MPlayer</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>Cache: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Mais menus</translation>
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
        <translation>Digite aqui uma URL para abrir.</translation>
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
        <translation>sem dar um motivo</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>O yt-dlp não encontrou nenhum vídeo nesta página em %1 segundos.</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Reproduzir o vídeo de uma página web requer o yt-dlp, que não está instalado (não há &quot;yt-dlp&quot; no PATH).</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>Não foi possível iniciar o yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>O yt-dlp não encontrou nenhum vídeo nesta página: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>nenhum clipe em reprodução</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 é grande demais para legendas</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>não foi possível passar %1 ao programa de reprodução</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>listas de reprodução (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista de reprodução</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Adicionar...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Carregar...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salvar...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Itens</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos os arquivos (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reprodutor</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>Associação</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>Escolher o programa MPlayer a usar</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>Programa MPlayer</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>Usar o padrão (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>Usar o programa indicado abaixo:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>Escolher os drivers de saída do MPlayer</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>Driver de saída de áudio</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(padrão: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>Driver de saída de vídeo</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(padrão: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>Ajustar aqui o vídeo</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Configurações de vídeo</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>Buffer duplo</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>As mudanças valem depois de reiniciar o MPlayer</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Configurar o Taleno</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>Mostrar estas partes da interface ao iniciar</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista de reprodução</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>Protetor de tela (e economia de energia)</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>Não desativar</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>Desativar durante a reprodução</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>Desativar se o clipe contiver vídeo</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>Tamanho predefinido (fator de zoom)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% do tamanho original do vídeo</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Outras opções</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>Permitir várias instâncias</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>Embaralhar a lista de reprodução automaticamente</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>Ativar &quot;Sempre visível&quot; ao iniciar</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>Abrir os arquivos em tela cheia</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>Lembrar a última posição de reprodução</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>Ajustar aqui as legendas</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>Carregar legendas automaticamente</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>Por exemplo: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificação</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>Arquivo de fonte não encontrado!</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Extensões de arquivo que o Taleno deve abrir</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensões</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>por exemplo:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Carregar...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>Associar!</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>uma extensão por linha, sem o ponto antes</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>não foi possível abrir o arquivo</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>Falha ao associar:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Pronto!</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>Nada a fazer.</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>Definir aqui comandos especiais</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>Teclas e comandos</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>Configurações avançadas (só para usuários experientes)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>Parâmetros adicionais do MPlayer</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>Por exemplo: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>Prioridade do processo do MPlayer</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ociosa</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>Abaixo do normal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>Acima do normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Tempo real</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(padrão: Normal)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>Cuidado: a prioridade &quot;Tempo real&quot; pode travar o sistema</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>Desativar o monitor do MPlayer</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>Ativar o registro</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>Reproduzindo um clipe</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>não é possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>Porcentagem do clipe reproduzida</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>Desligamento</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>Desligar em</translation>
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
        <translation>Não foi possível desligar o computador: %1.</translation>
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
        <translation>Status</translation>
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
        <translation>Vídeo</translation>
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
        <translation>Mais botões</translation>
    </message>
</context>
</TS>
