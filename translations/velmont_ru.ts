<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AudioChoices</name>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Исходный</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Каналов: %1</translation>
    </message>
</context>
<context>
    <name>MediaFileFilters</name>
    <message>
        <source>Video Files</source>
        <translation>Видеофайлы</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Аудиофайлы</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы(*.*)</translation>
    </message>
    <message>
        <source>All Media Files</source>
        <translation>Все медиафайлы</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Overwrite</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Оставить оба</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
</context>
<context>
    <name>VideoChoices</name>
    <message>
        <source>Original</source>
        <translation>Исходный</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Pass 1</source>
        <translation>1 проход</translation>
    </message>
    <message>
        <source>Pass 2</source>
        <translation>2 прохода</translation>
    </message>
</context>
<context>
    <name>velmont::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About Velmont Media Converter</source>
        <translation>О программе Velmont Медиаконвертер</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Медиаконвертер</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Copyright © Velmont Studio</source>
        <translation>© Velmont Studio</translation>
    </message>
</context>
<context>
    <name>velmont::CAudioDlg</name>
    <message>
        <source>Enable Audio</source>
        <translation>Со звуком</translation>
    </message>
    <message>
        <source>Audio Type:</source>
        <translation>Аудиокодек:</translation>
    </message>
    <message>
        <source>Channel Mode:</source>
        <translation>Каналы:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Битрейт:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Громкость:</translation>
    </message>
</context>
<context>
    <name>velmont::CConfigDlg</name>
    <message>
        <source>Configuration</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Advanced Video</source>
        <translation>Видео: доп.</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>shut down your PC after conversion</source>
        <translation>выключить ПК по окончании</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Одновременно:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Страницы настроек</translation>
    </message>
    <message>
        <source>How many files are converted at once. Automatic: one per core, and files whose encoder already uses every core (video, two passes) one at a time.</source>
        <translation>Сколько файлов конвертируется одновременно. Авто: по одному на ядро, а файлы, кодировщик которых уже занимает все ядра (видео, два прохода), — по одному.</translation>
    </message>
    <message>
        <source>Keep the folder structure</source>
        <translation>Сохранять структуру папок</translation>
    </message>
    <message>
        <source>Files added from a folder&apos;s subfolders are written to the same subfolders below the output folder.</source>
        <translation>Файлы, добавленные из подпапок папки, записываются в те же подпапки внутри папки вывода.</translation>
    </message>
</context>
<context>
    <name>velmont::CConvertDlg</name>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <source>Files being converted</source>
        <translation>Конвертируемые файлы</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Stop after the current files</source>
        <translation>Не начинать новые</translation>
    </message>
    <message>
        <source>Let the running files finish and start no new one; Restart goes on</source>
        <translation>Завершить текущие файлы, не начиная новых; «Заново» продолжит</translation>
    </message>
    <message>
        <source>There is no file to convert</source>
        <translation>Нет файлов для конвертирования</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Конвертирован 1 файл</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>Конвертировано файлов: %1</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, ошибок: %1</translation>
    </message>
    <message>
        <source>Failed to shut down</source>
        <translation>Не удалось выключить</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Please stop the conversion at first</source>
        <translation>Сначала остановите конвертирование</translation>
    </message>
    <message>
        <source>Batch %1 %</source>
        <translation>Всего %1 %</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, осталось %1</translation>
    </message>
    <message>
        <source>Conversion log</source>
        <translation>Журнал конвертирования</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Done in %1 — %2 converted</source>
        <translation>Готово за %1 — успешно: %2</translation>
    </message>
    <message>
        <source>The output folder could not be opened (is a file manager installed?):
</source>
        <translation>Не удалось открыть папку вывода (установлен ли файловый менеджер?):
</translation>
    </message>
</context>
<context>
    <name>velmont::COthersDlg</name>
    <message>
        <source>Crop</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Сверху:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Справа:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Слева:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Снизу:</translation>
    </message>
</context>
<context>
    <name>velmont::CTagDlg</name>
    <message>
        <source>ID3 Tag - </source>
        <translation>Тег ID3 - </translation>
    </message>
    <message>
        <source>Artist(Author):</source>
        <translation>Артист:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Коммент.:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Трек:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velmont::CVideoDlg</name>
    <message>
        <source>Video Type:</source>
        <translation>Видеокодек:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>Кадр/с:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Пропорции:</translation>
    </message>
    <message>
        <source>Quantizer Scale:</source>
        <translation>Квантование:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Битрейт:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Проходы:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>От:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>До:</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Битрейт видео</translation>
    </message>
</context>
<context>
    <name>velmont::JobRowView</name>
    <message>
        <source>Please wait for the conversion</source>
        <translation>Дождитесь конвертирования</translation>
    </message>
    <message>
        <source>Suspended!</source>
        <translation>Приостановлено!</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>Остановлено!</translation>
    </message>
    <message>
        <source>Written as: %1</source>
        <translation>Записан как: %1</translation>
    </message>
</context>
<context>
    <name>velmont::MainDialog</name>
    <message>
        <source>Add files to list</source>
        <translation>Добавить файлы в список</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>Убрать выбранные файлы из списка</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Start to convert the files selected in the list</source>
        <translation>Конвертировать отмеченные файлы</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Move up the selected file</source>
        <translation>Переместить файл вверх</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move down the selected file</source>
        <translation>Переместить файл вниз</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Play the selected file</source>
        <translation>Воспроизвести файл</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Edit the ID3 Tag of the selected file</source>
        <translation>Изменить тег ID3 файла</translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation>Изменить тег</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Медиаконвертер</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Файлы для конвертирования</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Please &lt;+Add&gt; files to convert</source>
        <translation>Добавьте файлы кнопкой &lt;+Add&gt;</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Имя результата</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Ошибка!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>The output folder could not be kept for the next start.
</source>
        <translation>Не удалось сохранить папку вывода до следующего запуска.
</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>About Velmont Media Converter...</source>
        <translation>О программе Velmont...</translation>
    </message>
    <message>
        <source>No File is selected !</source>
        <translation>Файл не выбран!</translation>
    </message>
    <message>
        <source>Can not play the file but it does not influence the conversion</source>
        <translation>Файл не воспроизводится, но на конвертирование это не влияет</translation>
    </message>
    <message>
        <source>Please set the check status if you want to convert the file !</source>
        <translation>Отметьте файлы, которые нужно конвертировать!</translation>
    </message>
    <message>
        <source>Please select output directory !</source>
        <translation>Выберите папку вывода!</translation>
    </message>
    <message>
        <source>These files are already in the output folder:
</source>
        <translation>Эти файлы уже есть в папке вывода:
</translation>
    </message>
    <message>
        <source>  and %1 more
</source>
        <translation>  и ещё %1
</translation>
    </message>
    <message>
        <source>
Overwrite them, keep both (the new files get free names) or skip those files?</source>
        <translation>
Заменить их, оставить оба (новые файлы получат свободные имена) или пропустить эти файлы?</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no media files itself.
Add the %2 files in its subfolders?</source>
        <translation>В самой папке «%1» нет медиафайлов.
Добавить файлы из её подпапок (%2)?</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Добавление файлов: %1 из %2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Тег</translation>
    </message>
    <message>
        <source>Output to</source>
        <translation>Вывод в</translation>
    </message>
    <message>
        <source>The settings could not be kept for the next start.
</source>
        <translation>Не удалось сохранить настройки до следующего запуска.
</translation>
    </message>
    <message>
        <source>Every checked file&apos;s output is already in the output folder, so all were skipped.
Press Convert again to choose Overwrite or Keep both instead.</source>
        <translation>Результат каждого отмеченного файла уже есть в папке вывода, поэтому все они пропущены.
Нажмите «Конвертировать» ещё раз, чтобы выбрать «Заменить» или «Оставить оба».</translation>
    </message>
    <message>
        <source>The help could not be opened: is a web browser installed?
The help is the file help.html beside the program.</source>
        <translation>Не удалось открыть справку: установлен ли веб-браузер?
Справка — это файл help.html рядом с программой.</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>Отметить все</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>Снять все отметки</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Очистить список</translation>
    </message>
</context>
</TS>
