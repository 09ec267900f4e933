<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AudioChoices</name>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
</context>
<context>
    <name>MediaFileFilters</name>
    <message>
        <source>Video Files</source>
        <translation>Archivos de vídeo</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Archivos de audio</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>All Media Files</source>
        <translation>Todos los archivos multimedia</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
</context>
<context>
    <name>VideoChoices</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Pass 1</source>
        <translation>1 pasada</translation>
    </message>
    <message>
        <source>Pass 2</source>
        <translation>2 pasadas</translation>
    </message>
</context>
<context>
    <name>velmont::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Velmont Media Converter</source>
        <translation>Acerca de Velmont Conversor multimedia</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Conversor multimedia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright © Velmont Studio</source>
        <translation>Copyright © Velmont Studio</translation>
    </message>
</context>
<context>
    <name>velmont::CAudioDlg</name>
    <message>
        <source>Enable Audio</source>
        <translation>Con audio</translation>
    </message>
    <message>
        <source>Audio Type:</source>
        <translation>Tipo de audio:</translation>
    </message>
    <message>
        <source>Channel Mode:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Muestreo:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
</context>
<context>
    <name>velmont::CConfigDlg</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Advanced Video</source>
        <translation>Vídeo avanzado</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>shut down your PC after conversion</source>
        <translation>apagar el PC tras la conversión</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Simultáneas:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de ajustes</translation>
    </message>
    <message>
        <source>How many files are converted at once. Automatic: one per core, and files whose encoder already uses every core (video, two passes) one at a time.</source>
        <translation>Cuántos archivos se convierten a la vez. Automático: uno por núcleo, y de uno en uno los archivos cuyo codificador ya usa todos los núcleos (vídeo, dos pasadas).</translation>
    </message>
    <message>
        <source>Keep the folder structure</source>
        <translation>Mantener la estructura de carpetas</translation>
    </message>
    <message>
        <source>Files added from a folder&apos;s subfolders are written to the same subfolders below the output folder.</source>
        <translation>Los archivos añadidos desde las subcarpetas de una carpeta se escriben en las mismas subcarpetas dentro de la carpeta de salida.</translation>
    </message>
</context>
<context>
    <name>velmont::CConvertDlg</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Files being converted</source>
        <translation>Archivos en conversión</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Stop after the current files</source>
        <translation>Terminar los actuales</translation>
    </message>
    <message>
        <source>Let the running files finish and start no new one; Restart goes on</source>
        <translation>Terminar los archivos en curso sin empezar otro; Reiniciar continúa</translation>
    </message>
    <message>
        <source>There is no file to convert</source>
        <translation>No hay archivos para convertir</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 archivo convertido</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 archivos convertidos</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, fallidos: %1</translation>
    </message>
    <message>
        <source>Failed to shut down</source>
        <translation>No se pudo apagar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please stop the conversion at first</source>
        <translation>Detenga primero la conversión</translation>
    </message>
    <message>
        <source>Batch %1 %</source>
        <translation>Lote %1 %</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, quedan %1</translation>
    </message>
    <message>
        <source>Conversion log</source>
        <translation>Registro de conversión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Done in %1 — %2 converted</source>
        <translation>Listo en %1 — %2 convertidos</translation>
    </message>
    <message>
        <source>The output folder could not be opened (is a file manager installed?):
</source>
        <translation>No se pudo abrir la carpeta de salida (¿hay un gestor de archivos instalado?):
</translation>
    </message>
</context>
<context>
    <name>velmont::COthersDlg</name>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Arriba:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Derecha:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Izquierda:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Abajo:</translation>
    </message>
</context>
<context>
    <name>velmont::CTagDlg</name>
    <message>
        <source>ID3 Tag - </source>
        <translation>Etiqueta ID3 - </translation>
    </message>
    <message>
        <source>Artist(Author):</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmont::CVideoDlg</name>
    <message>
        <source>Video Type:</source>
        <translation>Tipo de vídeo:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Aspecto:</translation>
    </message>
    <message>
        <source>Quantizer Scale:</source>
        <translation>Cuantización:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Pasadas:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Mín:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Máx:</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Tasa de bits de vídeo</translation>
    </message>
</context>
<context>
    <name>velmont::JobRowView</name>
    <message>
        <source>Please wait for the conversion</source>
        <translation>Espere a la conversión</translation>
    </message>
    <message>
        <source>Suspended!</source>
        <translation>¡En pausa!</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>¡Detenido!</translation>
    </message>
    <message>
        <source>Written as: %1</source>
        <translation>Escrito como: %1</translation>
    </message>
</context>
<context>
    <name>velmont::MainDialog</name>
    <message>
        <source>Add files to list</source>
        <translation>Añadir archivos a la lista</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>Quitar de la lista los archivos elegidos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Start to convert the files selected in the list</source>
        <translation>Convertir los archivos marcados en la lista</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Move up the selected file</source>
        <translation>Subir el archivo elegido</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down the selected file</source>
        <translation>Bajar el archivo elegido</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Play the selected file</source>
        <translation>Reproducir el archivo elegido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Edit the ID3 Tag of the selected file</source>
        <translation>Editar la etiqueta ID3 del archivo</translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation>Editar etiqueta</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Conversor multimedia</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos para convertir</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Please &lt;+Add&gt; files to convert</source>
        <translation>Añada archivos con &lt;+Add&gt;</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Nombre de salida</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>The output folder could not be kept for the next start.
</source>
        <translation>No se pudo guardar la carpeta de salida para el próximo inicio.
</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>About Velmont Media Converter...</source>
        <translation>Acerca de Velmont Conversor...</translation>
    </message>
    <message>
        <source>No File is selected !</source>
        <translation>¡No hay ningún archivo seleccionado!</translation>
    </message>
    <message>
        <source>Can not play the file but it does not influence the conversion</source>
        <translation>No se puede reproducir el archivo, pero eso no afecta a la conversión</translation>
    </message>
    <message>
        <source>Please set the check status if you want to convert the file !</source>
        <translation>¡Marque los archivos que quiere convertir!</translation>
    </message>
    <message>
        <source>Please select output directory !</source>
        <translation>¡Elija una carpeta de salida!</translation>
    </message>
    <message>
        <source>These files are already in the output folder:
</source>
        <translation>Estos archivos ya están en la carpeta de salida:
</translation>
    </message>
    <message>
        <source>  and %1 more
</source>
        <translation>  y %1 más
</translation>
    </message>
    <message>
        <source>
Overwrite them, keep both (the new files get free names) or skip those files?</source>
        <translation>
¿Sobrescribirlos, conservar ambos (los nuevos archivos reciben un nombre libre) u omitir esos archivos?</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no media files itself.
Add the %2 files in its subfolders?</source>
        <translation>La carpeta «%1» no contiene archivos multimedia.
¿Añadir los %2 archivos de sus subcarpetas?</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Añadiendo archivos: %1 de %2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Output to</source>
        <translation>Salida en</translation>
    </message>
    <message>
        <source>The settings could not be kept for the next start.
</source>
        <translation>No se pudieron guardar los ajustes para el próximo inicio.
</translation>
    </message>
    <message>
        <source>Every checked file&apos;s output is already in the output folder, so all were skipped.
Press Convert again to choose Overwrite or Keep both instead.</source>
        <translation>La salida de cada archivo marcado ya está en la carpeta de salida, así que se omitieron todos.
Pulse Convertir otra vez para elegir Sobrescribir o Conservar ambos.</translation>
    </message>
    <message>
        <source>The help could not be opened: is a web browser installed?
The help is the file help.html beside the program.</source>
        <translation>No se pudo abrir la ayuda: ¿hay un navegador web instalado?
La ayuda es el archivo help.html junto al programa.</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>Desmarcar todos</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Vaciar la lista</translation>
    </message>
</context>
</TS>
