<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open URL...</source>
        <translation>Открыть URL...</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Открыть URL</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Свойства</translation>
    </message>
    <message>
        <source>Clip properties</source>
        <translation>Свойства клипа</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Open this file again</source>
        <translation>Открыть этот файл снова</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Очистить список</translation>
    </message>
    <message>
        <source>Empty the list of recent files</source>
        <translation>Очистить список недавних файлов</translation>
    </message>
    <message>
        <source>&amp;Half size</source>
        <translation>&amp;Половинный размер</translation>
    </message>
    <message>
        <source>Half video size</source>
        <translation>Половинный размер видео</translation>
    </message>
    <message>
        <source>&amp;Original size</source>
        <translation>&amp;Исходный размер</translation>
    </message>
    <message>
        <source>Original video size</source>
        <translation>Исходный размер видео</translation>
    </message>
    <message>
        <source>&amp;Double size</source>
        <translation>&amp;Двойной размер</translation>
    </message>
    <message>
        <source>Double video size</source>
        <translation>Двойной размер видео</translation>
    </message>
    <message>
        <source>Pr&amp;eset size</source>
        <translation>&amp;Заданный размер</translation>
    </message>
    <message>
        <source>Preset video zoom size</source>
        <translation>Заданный размер видео</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Во весь &amp;экран</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Keep aspect &amp;ratio</source>
        <translation>Сохранять пр&amp;опорции</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Сохранять пропорции</translation>
    </message>
    <message>
        <source>&amp;Progress Bar</source>
        <translation>Полоса п&amp;рогресса</translation>
    </message>
    <message>
        <source>Show or hide the Progress Bar</source>
        <translation>Показать или скрыть полосу прогресса</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель инс&amp;трументов</translation>
    </message>
    <message>
        <source>Show or hide the Toolbar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Play&amp;list</source>
        <translation>Список воспроизведени&amp;я</translation>
    </message>
    <message>
        <source>Show or hide the Playlist
Playlist</source>
        <translation>Показать или скрыть список воспроизведения
Список воспроизведения</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>&amp;Журнал</translation>
    </message>
    <message>
        <source>Show or hide the log</source>
        <translation>Показать или скрыть журнал</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Поверх &amp;всех окон</translation>
    </message>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Включить или выключить «Поверх всех окон»</translation>
    </message>
    <message>
        <source>Take Scree&amp;nshot</source>
        <translation>Снимо&amp;к экрана</translation>
    </message>
    <message>
        <source>Save the picture shown in the Taleno folder of your pictures</source>
        <translation>Сохранить показанный кадр в папку Taleno ваших изображений</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>Start playback
Play</source>
        <translation>Начать воспроизведение
Воспроизвести</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Па&amp;уза</translation>
    </message>
    <message>
        <source>Pause
Pause</source>
        <translation>Пауза
Пауза</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>Stop
Stop</source>
        <translation>Стоп
Стоп</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Previous
Previous</source>
        <translation>Предыдущий
Предыдущий</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Next
Next</source>
        <translation>Следующий
Следующий</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Вперёд на 10 секунд</translation>
    </message>
    <message>
        <source>FF 10 Seconds</source>
        <translation>Вперёд на 10 секунд</translation>
    </message>
    <message>
        <source>Rewind  10 Seconds</source>
        <translation>Назад на 10 секунд</translation>
    </message>
    <message>
        <source>RW 10 Seconds</source>
        <translation>Назад на 10 секунд</translation>
    </message>
    <message>
        <source>Forward  1 Minute</source>
        <translation>Вперёд на 1 минуту</translation>
    </message>
    <message>
        <source>FF 1 Minute</source>
        <translation>Вперёд на 1 минуту</translation>
    </message>
    <message>
        <source>Rewind   1 Minute</source>
        <translation>Назад на 1 минуту</translation>
    </message>
    <message>
        <source>RW 1 Minute</source>
        <translation>Назад на 1 минуту</translation>
    </message>
    <message>
        <source>Forward 10 Minutes</source>
        <translation>Вперёд на 10 минут</translation>
    </message>
    <message>
        <source>FF 10 Minutes</source>
        <translation>Вперёд на 10 минут</translation>
    </message>
    <message>
        <source>Rewind  10 Minutes</source>
        <translation>Назад на 10 минут</translation>
    </message>
    <message>
        <source>RW 10 Minutes</source>
        <translation>Назад на 10 минут</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Перейти...</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>100% Volume</source>
        <translation>Громкость 100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>75% Volume</source>
        <translation>Громкость 75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>50% Volume</source>
        <translation>Громкость 50%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>25% Volume</source>
        <translation>Громкость 25%</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Без звука</translation>
    </message>
    <message>
        <source>Mute
Mute</source>
        <translation>Без звука
Без звука</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Выключить компьютер</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ничего не делать</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>Пов&amp;тор</translation>
    </message>
    <message>
        <source>Repeat
Repeat</source>
        <translation>Повтор
Повтор</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Медленнее</translation>
    </message>
    <message>
        <source>Play slower, keeping the pitch</source>
        <translation>Воспроизводить медленнее, не меняя высоту звука</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Быстрее</translation>
    </message>
    <message>
        <source>Play faster, keeping the pitch</source>
        <translation>Воспроизводить быстрее, не меняя высоту звука</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>&amp;Обычная скорость</translation>
    </message>
    <message>
        <source>Play at normal speed</source>
        <translation>Воспроизводить с обычной скоростью</translation>
    </message>
    <message>
        <source>&amp;Frame Step</source>
        <translation>По ка&amp;драм</translation>
    </message>
    <message>
        <source>Pause, or show the next frame while paused</source>
        <translation>Приостановить, а на паузе показать следующий кадр</translation>
    </message>
    <message>
        <source>&amp;Next Audio Track</source>
        <translation>&amp;Следующая дорожка</translation>
    </message>
    <message>
        <source>Play the clip&apos;s next audio track</source>
        <translation>Воспроизвести следующую звуковую дорожку клипа</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Выключить</translation>
    </message>
    <message>
        <source>Show no subtitles</source>
        <translation>Не показывать субтитры</translation>
    </message>
    <message>
        <source>&amp;Next Subtitles</source>
        <translation>&amp;Следующие субтитры</translation>
    </message>
    <message>
        <source>Show the next subtitles, or none after the last</source>
        <translation>Показать следующие субтитры, после последних — никаких</translation>
    </message>
    <message>
        <source>&amp;Load Subtitles...</source>
        <translation>&amp;Загрузить субтитры...</translation>
    </message>
    <message>
        <source>Load a subtitle file into the clip playing</source>
        <translation>Загрузить файл субтитров в играющий клип</translation>
    </message>
    <message>
        <source>Subtitles &amp;Earlier</source>
        <translation>Субтитры &amp;раньше</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms earlier</source>
        <translation>Показывать субтитры на 100 мс раньше</translation>
    </message>
    <message>
        <source>Subtitles La&amp;ter</source>
        <translation>Субтитры &amp;позже</translation>
    </message>
    <message>
        <source>Show the subtitles 100 ms later</source>
        <translation>Показывать субтитры на 100 мс позже</translation>
    </message>
    <message>
        <source>&amp;Reset Subtitle Delay</source>
        <translation>С&amp;бросить задержку</translation>
    </message>
    <message>
        <source>Show the subtitles at their own times</source>
        <translation>Показывать субтитры в их собственное время</translation>
    </message>
    <message>
        <source>&amp;Previous Chapter</source>
        <translation>&amp;Предыдущая глава</translation>
    </message>
    <message>
        <source>To the start of this chapter, or of the one before</source>
        <translation>К началу этой главы или предыдущей</translation>
    </message>
    <message>
        <source>&amp;Next Chapter</source>
        <translation>&amp;Следующая глава</translation>
    </message>
    <message>
        <source>To the start of the next chapter</source>
        <translation>К началу следующей главы</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Show Preferences Dialog</source>
        <translation>Показать параметры</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>&amp;About Taleno</source>
        <translation>&amp;О программе Taleno</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Недавние</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>After Playback</source>
        <translation>После воспроизведения</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>С&amp;корость</translation>
    </message>
    <message>
        <source>Audio &amp;Track</source>
        <translation>&amp;Звуковая дорожка</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>Су&amp;бтитры</translation>
    </message>
    <message>
        <source>&amp;Chapters</source>
        <translation>&amp;Главы</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Восп&amp;роизведение</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>taleno::CAboutDlg</name>
    <message>
        <source>About Taleno</source>
        <translation>О программе Taleno</translation>
    </message>
    <message>
        <source>A media player driving the MPlayer engine</source>
        <translation>Медиаплеер, управляющий программой MPlayer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>taleno::CClipPropertiesSheet</name>
    <message>
        <source>%1 Kbps</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 Hz, %3 Channel(s)</source>
        <translation>
%1 кбит/с, %2 Гц, каналов: %3</translation>
    </message>
    <message>
        <source>
%1 Kbps, %2 FPS</source>
        <translation>
%1 кбит/с, %2 кадр/с</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>View advanced details about the clip.</source>
        <translation>Технические сведения о клипе.</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Длительность:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Битрейт:</translation>
    </message>
    <message>
        <source>Media type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Video size:</source>
        <translation>Размер видео:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Пропорции:</translation>
    </message>
    <message>
        <source>Audio codec:</source>
        <translation>Аудиокодек:</translation>
    </message>
    <message>
        <source>Video codec:</source>
        <translation>Видеокодек:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Расположение:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>View details about the clip.</source>
        <translation>Сведения о клипе.</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Композитор:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Жанр:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Авторские права:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Рейтинг:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Комментарии:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>View the clip&apos;s tracks and chapters.</source>
        <translation>Дорожки и главы клипа.</translation>
    </message>
    <message>
        <source>Audio tracks:</source>
        <translation>Звуковые дорожки:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Субтитры:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Главы:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Дорожки</translation>
    </message>
</context>
<context>
    <name>taleno::CGoToDlg</name>
    <message>
        <source>Go To</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>ПЕРЕЙТИ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 больше</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 меньше</translation>
    </message>
</context>
<context>
    <name>taleno::CLogDlg</name>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Engine output</source>
        <translation>Вывод программы воспроизведения</translation>
    </message>
</context>
<context>
    <name>taleno::CMainFrame</name>
    <message>
        <source>Failed to Save Settings!</source>
        <translation>Не удалось сохранить настройки!</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>все файлы (*)</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Загрузить субтитры</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)</source>
        <translation>Субтитры (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;все файлы (*)</translation>
    </message>
    <message>
        <source>Quitting...</source>
        <translation>Завершение...</translation>
    </message>
    <message>
        <source>

This file is no longer there; it has been taken off the list.</source>
        <translation>

Этого файла больше нет; он убран из списка.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Subtitle delay: %1 ms</source>
        <translation>Задержка субтитров: %1 мс</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>Engine not found!</source>
        <translation>Программа воспроизведения не найдена!</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>не удаётся открыть файл</translation>
    </message>
    <message>
        <source>Screenshot saved: </source>
        <translation>Снимок сохранён: </translation>
    </message>
    <message>
        <source>Resolving...</source>
        <translation>Определение...</translation>
    </message>
    <message>
        <source>The subtitles were not loaded: </source>
        <translation>Субтитры не загружены: </translation>
    </message>
    <message>
        <source>Screenshot not saved: </source>
        <translation>Снимок не сохранён: </translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Запуск...</translation>
    </message>
    <message>
        <source>Now Playing: %1 Kbps</source>
        <translation>Сейчас играет: %1 кбит/с</translation>
    </message>
    <message>
        <source>Clip: </source>
        <translation>Клип: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Автор: </translation>
    </message>
    <message>
        <source>Copyright: </source>
        <translation>Авторские права: </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>Рейтинг: </translation>
    </message>
    <message>
        <source>Album: </source>
        <translation>Альбом: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Название: </translation>
    </message>
    <message>
        <source>Artist: </source>
        <translation>Исполнитель: </translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Жанр: </translation>
    </message>
    <message>
        <source>MPlayer failed to start</source>
        <translation>Не удалось запустить MPlayer</translation>
    </message>
    <message>
        <source>Cache fill: %1%</source>
        <translation>Кэш: %1%</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Другие меню</translation>
    </message>
</context>
<context>
    <name>taleno::COpenURLDlg</name>
    <message>
        <source>Open URL</source>
        <translation>Открыть URL</translation>
    </message>
    <message>
        <source>Enter a URL to open here.</source>
        <translation>Введите здесь URL для открытия.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL-адрес</translation>
    </message>
</context>
<context>
    <name>taleno::CPageResolver</name>
    <message>
        <source>it gave no reason</source>
        <translation>без объяснения причины</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page within %1 seconds.</source>
        <translation>yt-dlp не нашёл видео на этой странице за %1 с.</translation>
    </message>
    <message>
        <source>Playing the video of a web page needs yt-dlp, which is not installed (there is no &quot;yt-dlp&quot; on PATH).</source>
        <translation>Для воспроизведения видео с веб-страницы нужен yt-dlp, но он не установлен (в PATH нет «yt-dlp»).</translation>
    </message>
    <message>
        <source>yt-dlp could not be started.</source>
        <translation>Не удалось запустить yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp found no video on this page: %1</source>
        <translation>yt-dlp не нашёл видео на этой странице: %1</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaybackSession</name>
    <message>
        <source>no clip is playing</source>
        <translation>никакой клип не воспроизводится</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 is too large for subtitles</source>
        <translation>%1 слишком велик для субтитров</translation>
    </message>
    <message>
        <source>the engine could not be handed %1</source>
        <translation>не удалось передать %1 программе воспроизведения</translation>
    </message>
</context>
<context>
    <name>taleno::CPlaylistDlg</name>
    <message>
        <source>playlist files (*.txt *.pls)</source>
        <translation>списки воспроизведения (*.txt *.pls)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>все файлы (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Список воспроизведения</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Добавить...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Загрузить...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировать</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Записи</translation>
    </message>
</context>
<context>
    <name>taleno::CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>все файлы (*)</translation>
    </message>
    <message>
        <source>text files (*.txt)</source>
        <translation>текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Плеер</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Association</source>
        <translation>Ассоциации</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Select MPlayer Engine to be used</source>
        <translation>Выберите программу MPlayer</translation>
    </message>
    <message>
        <source>MPlayer Binary (Engine)</source>
        <translation>Программа MPlayer</translation>
    </message>
    <message>
        <source>Use default settings (%Taleno%/mplayer/mplayer)</source>
        <translation>По умолчанию (%Taleno%/mplayer/mplayer)</translation>
    </message>
    <message>
        <source>Use specified Engine below:</source>
        <translation>Использовать программу, указанную ниже:</translation>
    </message>
    <message>
        <source>Choose MPlayer output drivers</source>
        <translation>Выберите драйверы вывода MPlayer</translation>
    </message>
    <message>
        <source>Audio Output Driver</source>
        <translation>Драйвер вывода звука</translation>
    </message>
    <message>
        <source>(default: pulse)</source>
        <translation>(по умолчанию: pulse)</translation>
    </message>
    <message>
        <source>Video Output Driver</source>
        <translation>Драйвер вывода видео</translation>
    </message>
    <message>
        <source>(default: xv)</source>
        <translation>(по умолчанию: xv)</translation>
    </message>
    <message>
        <source>Configure Video Settings here</source>
        <translation>Настройки видео</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Настройки видео</translation>
    </message>
    <message>
        <source>Double buffering</source>
        <translation>Двойная буферизация</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Any changes will take effect only after restart of MPlayer</source>
        <translation>Изменения вступят в силу после перезапуска MPlayer</translation>
    </message>
    <message>
        <source>Configure Taleno</source>
        <translation>Настройка Taleno</translation>
    </message>
    <message>
        <source>Show these parts of the GUI on startup</source>
        <translation>Показывать при запуске эти части интерфейса</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Полоса прогресса</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Список воспроизведения</translation>
    </message>
    <message>
        <source>Screen Saver (and Power Saving) Settings</source>
        <translation>Хранитель экрана (и энергосбережение)</translation>
    </message>
    <message>
        <source>Don&apos;t disable</source>
        <translation>Не отключать</translation>
    </message>
    <message>
        <source>Disable when playing</source>
        <translation>Отключать при воспроизведении</translation>
    </message>
    <message>
        <source>Disable if media clip contains video stream</source>
        <translation>Отключать, если в клипе есть видео</translation>
    </message>
    <message>
        <source>Preset size (zoom factor)</source>
        <translation>Заданный размер (масштаб)</translation>
    </message>
    <message>
        <source>% of the original video size</source>
        <translation>% исходного размера видео</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Другие параметры</translation>
    </message>
    <message>
        <source>Allow Multiple Instances</source>
        <translation>Разрешить несколько копий</translation>
    </message>
    <message>
        <source>Auto Shuffle Playlist</source>
        <translation>Перемешивать список воспроизведения</translation>
    </message>
    <message>
        <source>Enable &apos;Always on Top&apos; on startup</source>
        <translation>Включать «Поверх всех окон» при запуске</translation>
    </message>
    <message>
        <source>Launch files in fullscreen</source>
        <translation>Открывать файлы во весь экран</translation>
    </message>
    <message>
        <source>Remember last playback position</source>
        <translation>Запоминать последнюю позицию воспроизведения</translation>
    </message>
    <message>
        <source>Set Subtitle related options here</source>
        <translation>Настройки субтитров</translation>
    </message>
    <message>
        <source>Auto-load subtitles</source>
        <translation>Загружать субтитры автоматически</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>For example: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</source>
        <translation>Например: /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Кодировка</translation>
    </message>
    <message>
        <source>Sorry, Font File Not Found!</source>
        <translation>Файл шрифта не найден!</translation>
    </message>
    <message>
        <source>Add media file extensions Taleno to handle</source>
        <translation>Расширения файлов, которые открывает Taleno</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>for example:

wav
mpeg
mp4
3gp
ogg
mov</source>
        <translation>например:

wav
mpeg
mp4
3gp
ogg
mov</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Загрузить...</translation>
    </message>
    <message>
        <source>Associate!</source>
        <translation>Связать!</translation>
    </message>
    <message>
        <source>one extension pre-line, without the preceding period (dot)</source>
        <translation>по одному расширению в строке, без точки перед ним</translation>
    </message>
    <message>
        <source>unable to open file</source>
        <translation>не удаётся открыть файл</translation>
    </message>
    <message>
        <source>Failed to Associate:

</source>
        <translation>Не удалось связать:

</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>No action.</source>
        <translation>Делать нечего.</translation>
    </message>
    <message>
        <source>Set special commands here</source>
        <translation>Особые команды</translation>
    </message>
    <message>
        <source>Keys and Commands</source>
        <translation>Клавиши и команды</translation>
    </message>
    <message>
        <source>Set Advanced settings here (for experienced users only)</source>
        <translation>Дополнительные настройки (для опытных пользователей)</translation>
    </message>
    <message>
        <source>Additional MPlayer parameters</source>
        <translation>Дополнительные параметры MPlayer</translation>
    </message>
    <message>
        <source>For example: -af resample=8000:1:0</source>
        <translation>Например: -af resample=8000:1:0</translation>
    </message>
    <message>
        <source>MPlayer process priority</source>
        <translation>Приоритет процесса MPlayer</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Простой</translation>
    </message>
    <message>
        <source>Below Normal</source>
        <translation>Ниже обычного</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Above Normal</source>
        <translation>Выше обычного</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>Реального времени</translation>
    </message>
    <message>
        <source>(default: Normal)</source>
        <translation>(по умолчанию: Обычный)</translation>
    </message>
    <message>
        <source>Caution: Use &apos;Real Time&apos; priority may cause system lock-up</source>
        <translation>Осторожно: приоритет «Реального времени» может подвесить систему</translation>
    </message>
    <message>
        <source>Disable MPlayerMonitor Thread</source>
        <translation>Отключить наблюдение за MPlayer</translation>
    </message>
    <message>
        <source>Enable Logging</source>
        <translation>Вести журнал</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenSaverGuard</name>
    <message>
        <source>Playing a clip</source>
        <translation>Воспроизведение клипа</translation>
    </message>
</context>
<context>
    <name>taleno::CScreenshotSaver</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>it cannot be written to %1</source>
        <translation>не удаётся записать в %1</translation>
    </message>
</context>
<context>
    <name>taleno::CSeekBar</name>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Percent of the clip played</source>
        <translation>Доля клипа в процентах</translation>
    </message>
</context>
<context>
    <name>taleno::CShutdownDlg</name>
    <message>
        <source>Shutdown</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>Shutdown in</source>
        <translation>Выключение через</translation>
    </message>
    <message>
        <source>seconds...</source>
        <translation>секунд...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The computer could not be switched off: %1.</source>
        <translation>Не удалось выключить компьютер: %1.</translation>
    </message>
</context>
<context>
    <name>taleno::CStatusPanel</name>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>taleno::CTALENOView</name>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
</context>
<context>
    <name>taleno::CVolumeToolBar</name>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Другие кнопки</translation>
    </message>
</context>
</TS>
