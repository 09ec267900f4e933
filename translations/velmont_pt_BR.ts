<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>%1 canais</translation>
    </message>
</context>
<context>
    <name>MediaFileFilters</name>
    <message>
        <source>Video Files</source>
        <translation>Arquivos de vídeo</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Arquivos de áudio</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos os arquivos(*.*)</translation>
    </message>
    <message>
        <source>All Media Files</source>
        <translation>Todos os arquivos de mídia</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Manter ambos</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
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
        <translation>1 passagem</translation>
    </message>
    <message>
        <source>Pass 2</source>
        <translation>2 passagens</translation>
    </message>
</context>
<context>
    <name>velmont::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Velmont Media Converter</source>
        <translation>Sobre o Velmont Conversor de Mídia</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Conversor de Mídia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Com áudio</translation>
    </message>
    <message>
        <source>Audio Type:</source>
        <translation>Tipo de áudio:</translation>
    </message>
    <message>
        <source>Channel Mode:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Amostragem:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
</context>
<context>
    <name>velmont::CConfigDlg</name>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Advanced Video</source>
        <translation>Vídeo avançado</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>shut down your PC after conversion</source>
        <translation>desligar o PC após a conversão</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Simultâneas:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configuração</translation>
    </message>
    <message>
        <source>How many files are converted at once. Automatic: one per core, and files whose encoder already uses every core (video, two passes) one at a time.</source>
        <translation>Quantos arquivos são convertidos ao mesmo tempo. Automático: um por núcleo, e um de cada vez os arquivos cujo codificador já usa todos os núcleos (vídeo, duas passagens).</translation>
    </message>
    <message>
        <source>Keep the folder structure</source>
        <translation>Manter a estrutura de pastas</translation>
    </message>
    <message>
        <source>Files added from a folder&apos;s subfolders are written to the same subfolders below the output folder.</source>
        <translation>Os arquivos adicionados das subpastas de uma pasta são gravados nas mesmas subpastas dentro da pasta de saída.</translation>
    </message>
</context>
<context>
    <name>velmont::CConvertDlg</name>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Files being converted</source>
        <translation>Arquivos em conversão</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Stop after the current files</source>
        <translation>Só terminar os atuais</translation>
    </message>
    <message>
        <source>Let the running files finish and start no new one; Restart goes on</source>
        <translation>Terminar os arquivos em andamento sem iniciar outro; Reiniciar continua</translation>
    </message>
    <message>
        <source>There is no file to convert</source>
        <translation>Não há arquivos para converter</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 arquivo convertido</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 arquivos convertidos</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 com falha</translation>
    </message>
    <message>
        <source>Failed to shut down</source>
        <translation>Falha ao desligar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Please stop the conversion at first</source>
        <translation>Pare a conversão primeiro</translation>
    </message>
    <message>
        <source>Batch %1 %</source>
        <translation>Lote %1 %</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, faltam %1</translation>
    </message>
    <message>
        <source>Conversion log</source>
        <translation>Registro da conversão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Done in %1 — %2 converted</source>
        <translation>Pronto em %1 — %2 convertidos</translation>
    </message>
    <message>
        <source>The output folder could not be opened (is a file manager installed?):
</source>
        <translation>Não foi possível abrir a pasta de saída (há um gerenciador de arquivos instalado?):
</translation>
    </message>
</context>
<context>
    <name>velmont::COthersDlg</name>
    <message>
        <source>Crop</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Margens</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Topo:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Direita:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Esquerda:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Base:</translation>
    </message>
</context>
<context>
    <name>velmont::CTagDlg</name>
    <message>
        <source>ID3 Tag - </source>
        <translation>Tag ID3 - </translation>
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
        <translation>Comentário:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Faixa:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>Quadros/s:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporção:</translation>
    </message>
    <message>
        <source>Quantizer Scale:</source>
        <translation>Quantização:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Passes:</translation>
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
        <translation>Taxa de bits do vídeo</translation>
    </message>
</context>
<context>
    <name>velmont::JobRowView</name>
    <message>
        <source>Please wait for the conversion</source>
        <translation>Aguarde a conversão</translation>
    </message>
    <message>
        <source>Suspended!</source>
        <translation>Pausado!</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>Parado!</translation>
    </message>
    <message>
        <source>Written as: %1</source>
        <translation>Gravado como: %1</translation>
    </message>
</context>
<context>
    <name>velmont::MainDialog</name>
    <message>
        <source>Add files to list</source>
        <translation>Adicionar arquivos à lista</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>Remover da lista os arquivos selecionados</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Start to convert the files selected in the list</source>
        <translation>Converter os arquivos marcados na lista</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Move up the selected file</source>
        <translation>Mover o arquivo para cima</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down the selected file</source>
        <translation>Mover o arquivo para baixo</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Play the selected file</source>
        <translation>Reproduzir o arquivo selecionado</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Edit the ID3 Tag of the selected file</source>
        <translation>Editar a tag ID3 do arquivo</translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation>Editar tag</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Conversor de Mídia</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Please &lt;+Add&gt; files to convert</source>
        <translation>Adicione arquivos com &lt;+Add&gt;</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Nome de saída</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Falhou!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>The output folder could not be kept for the next start.
</source>
        <translation>Não foi possível guardar a pasta de saída para o próximo início.
</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>About Velmont Media Converter...</source>
        <translation>Sobre o Velmont Conversor...</translation>
    </message>
    <message>
        <source>No File is selected !</source>
        <translation>Nenhum arquivo selecionado!</translation>
    </message>
    <message>
        <source>Can not play the file but it does not influence the conversion</source>
        <translation>Não é possível reproduzir o arquivo, mas isso não afeta a conversão</translation>
    </message>
    <message>
        <source>Please set the check status if you want to convert the file !</source>
        <translation>Marque os arquivos que deseja converter!</translation>
    </message>
    <message>
        <source>Please select output directory !</source>
        <translation>Escolha uma pasta de saída!</translation>
    </message>
    <message>
        <source>These files are already in the output folder:
</source>
        <translation>Estes arquivos já estão na pasta de saída:
</translation>
    </message>
    <message>
        <source>  and %1 more
</source>
        <translation>  e mais %1
</translation>
    </message>
    <message>
        <source>
Overwrite them, keep both (the new files get free names) or skip those files?</source>
        <translation>
Sobrescrever, manter ambos (os novos arquivos recebem um nome livre) ou pular esses arquivos?</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no media files itself.
Add the %2 files in its subfolders?</source>
        <translation>A pasta &quot;%1&quot; não contém arquivos de mídia.
Adicionar os %2 arquivos de suas subpastas?</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Adicionando arquivos: %1 de %2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Output to</source>
        <translation>Saída em</translation>
    </message>
    <message>
        <source>The settings could not be kept for the next start.
</source>
        <translation>Não foi possível guardar as configurações para a próxima inicialização.
</translation>
    </message>
    <message>
        <source>Every checked file&apos;s output is already in the output folder, so all were skipped.
Press Convert again to choose Overwrite or Keep both instead.</source>
        <translation>A saída de cada arquivo marcado já está na pasta de saída, então todos foram ignorados.
Clique em Converter de novo para escolher Sobrescrever ou Manter ambos.</translation>
    </message>
    <message>
        <source>The help could not be opened: is a web browser installed?
The help is the file help.html beside the program.</source>
        <translation>Não foi possível abrir a ajuda: há um navegador instalado?
A ajuda é o arquivo help.html ao lado do programa.</translation>
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
        <translation>Limpar a lista</translation>
    </message>
</context>
</TS>
