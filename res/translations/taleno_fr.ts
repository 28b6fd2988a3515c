<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>Ouvrir une URL...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Ouvrir une URL</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>Propriétés du clip</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>Rouvrir ce fichier</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>Vider la liste des fichiers récents</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>&amp;Moitié de la taille</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>Moitié de la taille de la vidéo</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>Taille &amp;originale</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>Taille originale de la vidéo</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>&amp;Double taille</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>Double de la taille de la vidéo</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>Taille prédé&amp;finie</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>Taille prédéfinie de la vidéo</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>Conserver le &amp;rapport d&apos;aspect</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Conserver le rapport d&apos;aspect</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>&amp;Barre de progression</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>Afficher ou masquer la barre de progression</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d&apos;ou&amp;tils</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;ét&amp;at</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>&amp;Liste de lecture</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>Afficher ou masquer la liste de lecture
Liste de lecture</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>Afficher ou masquer le journal</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Toujours au premier pla&amp;n</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Activer ou désactiver Toujours au premier plan</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>Capt&amp;ure d&apos;écran</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>Enregistrer l&apos;image affichée dans le dossier Taleno de vos images</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>Démarrer la lecture
Lire</translation>
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
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>Arrêter
Arrêter</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>Précédent
Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>Suivant
Suivant</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Avancer de 10 secondes</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>Avancer de 10 secondes</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>Reculer de 10 secondes</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>Reculer de 10 secondes</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>Avancer d&apos;1 minute</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>Avancer d&apos;1 minute</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>Reculer d&apos;1 minute</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>Reculer d&apos;1 minute</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>Avancer de 10 minutes</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>Avancer de 10 minutes</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>Reculer de 10 minutes</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>Reculer de 10 minutes</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Aller à...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Aller à</translation>
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
        <translation>&amp;Muet</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>Muet
Muet</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>Répét&amp;er</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>Répéter
Répéter</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Plus &amp;lent</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>Lire plus lentement, sans changer la hauteur du son</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Plus &amp;rapide</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>Lire plus vite, sans changer la hauteur du son</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>Vitesse &amp;normale</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>Lire à vitesse normale</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>Image par &amp;image</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>Mettre en pause, ou en pause afficher l&apos;image suivante</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>Piste audio &amp;suivante</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>Lire la piste audio suivante du clip</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>N&apos;afficher aucun sous-titre</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>Sous-titres &amp;suivants</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>Afficher les sous-titres suivants, ou aucun après les derniers</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>&amp;Charger des sous-titres...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>Charger un fichier de sous-titres dans le clip en cours</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>Sous-titres plus &amp;tôt</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>Afficher les sous-titres 100 ms plus tôt</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>Sous-titres plus ta&amp;rd</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>Afficher les sous-titres 100 ms plus tard</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>Réinitialiser le &amp;décalage</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>Afficher les sous-titres à leurs propres instants</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>Chapitre &amp;précédent</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>Au début de ce chapitre, ou du précédent</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>Chapitre &amp;suivant</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>Au début du chapitre suivant</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>Afficher les préférences</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>À &amp;propos de Taleno</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Récents</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>Après la lecture</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>Piste au&amp;dio</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>&amp;Sous-titres</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>&amp;Chapitres</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>À propos de Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>Un lecteur multimédia qui pilote le programme MPlayer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
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
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 kbit/s, %2 Hz, %3 canal/canaux</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 kbit/s, %2 images/s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>Détails techniques du clip.</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>Type de média :</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>Taille de la vidéo :</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Rapport d&apos;aspect :</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>Codec audio :</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>Codec vidéo :</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>Détails du clip.</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste :</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album :</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Compositeur :</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre :</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright :</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classement :</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>Les pistes et les chapitres du clip.</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Pistes audio :</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sous-titres :</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Chapitres :</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>ALLER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 plus</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 moins</translation>
    </message>
</context>
<context>
    <name>taleno::CLogDlg</name>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>Sortie du programme de lecture</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>Impossible d&apos;enregistrer les réglages !</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Charger des sous-titres</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>Sous-titres (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>Fermeture...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

Ce fichier n&apos;existe plus ; il a été retiré de la liste.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>Décalage des sous-titres : %1 ms</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>Programme de lecture introuvable !</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>Capture enregistrée : </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>Résolution...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>Les sous-titres n&apos;ont pas été chargés : </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>Capture non enregistrée : </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>En cours : %1 kbit/s</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>Clip : </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Auteur : </translation>
    </message>
    <message>
        <source>Copyright: </source>
        <translation>Copyright : </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>Classement : </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>Album : </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titre : </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>Artiste : </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Genre : </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>MPlayer n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>Cache : %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>Ouvrir une URL</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>Saisissez ici une URL à ouvrir.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>sans donner de raison</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp n&apos;a trouvé aucune vidéo sur cette page en %1 secondes.</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Lire la vidéo d&apos;une page web demande yt-dlp, qui n&apos;est pas installé (pas de « yt-dlp » dans le PATH).</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>yt-dlp n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp n&apos;a trouvé aucune vidéo sur cette page : %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>aucun clip n&apos;est en lecture</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 est trop gros pour des sous-titres</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>%1 n&apos;a pas pu être transmis au programme de lecture</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>listes de lecture (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Charger...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>tous les fichiers (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>Association</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>Choisir le programme MPlayer à utiliser</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>Programme MPlayer</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>Réglage par défaut (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>Utiliser le programme indiqué ci-dessous :</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>Choisir les pilotes de sortie de MPlayer</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>Pilote de sortie audio</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(par défaut : pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>Pilote de sortie vidéo</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(par défaut : xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>Régler ici la vidéo</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Réglages vidéo</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>Double tampon</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>Les changements prennent effet au prochain démarrage de MPlayer</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Configurer Taleno</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>Afficher ces parties de l&apos;interface au démarrage</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>Économiseur d&apos;écran (et économie d&apos;énergie)</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>Ne pas désactiver</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>Désactiver pendant la lecture</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>Désactiver si le clip contient de la vidéo</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>Taille prédéfinie (facteur de zoom)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% de la taille originale de la vidéo</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Autres options</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>Autoriser plusieurs instances</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>Mélanger automatiquement la liste de lecture</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>Activer « Toujours au premier plan » au démarrage</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>Ouvrir les fichiers en plein écran</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>Mémoriser la dernière position de lecture</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>Régler ici les sous-titres</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>Charger automatiquement les sous-titres</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>Par exemple : /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encodage</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>Désolé, fichier de police introuvable !</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Extensions de fichiers que Taleno doit ouvrir</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>par exemple :

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Charger...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>Associer !</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>une extension par ligne, sans le point qui la précède</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>Échec de l&apos;association :

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Réussi !</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>Rien à faire.</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>Définir ici des commandes spéciales</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>Touches et commandes</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>Réglages avancés (pour utilisateurs expérimentés)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>Paramètres supplémentaires de MPlayer</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>Par exemple : -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>Priorité du processus MPlayer</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>Inférieure à la normale</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>Supérieure à la normale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Temps réel</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(par défaut : Normale)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>Attention : la priorité « Temps réel » peut bloquer le système</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>Désactiver la surveillance de MPlayer</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>Activer le journal</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>Lecture d’un clip</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>impossible d&apos;écrire dans %1</translation>
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
        <translation>Pourcentage du clip lu</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>Arrêt dans</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>secondes...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être éteint : %1.</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>taleno::CTALENOView</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
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
        <translation>Autres boutons</translation>
    </message>
</context>
</TS>
