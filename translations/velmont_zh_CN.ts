<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AudioChoices</name>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 声道</translation>
    </message>
</context>
<context>
    <name>MediaFileFilters</name>
    <message>
        <source>Video Files</source>
        <translation>视频文件</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>音频文件</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>All Media Files</source>
        <translation>所有媒体文件</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>保留两者</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
</context>
<context>
    <name>VideoChoices</name>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Pass 1</source>
        <translation>1 遍</translation>
    </message>
    <message>
        <source>Pass 2</source>
        <translation>2 遍</translation>
    </message>
</context>
<context>
    <name>velmont::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About Velmont Media Converter</source>
        <translation>关于 Velmont 媒体转换器</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont 媒体转换器</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Copyright © Velmont Studio</source>
        <translation>版权所有 © Velmont Studio</translation>
    </message>
</context>
<context>
    <name>velmont::CAudioDlg</name>
    <message>
        <source>Enable Audio</source>
        <translation>启用音频</translation>
    </message>
    <message>
        <source>Audio Type:</source>
        <translation>音频类型:</translation>
    </message>
    <message>
        <source>Channel Mode:</source>
        <translation>声道模式:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>比特率:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量:</translation>
    </message>
</context>
<context>
    <name>velmont::CConfigDlg</name>
    <message>
        <source>Configuration</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Advanced Video</source>
        <translation>高级视频</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>输出格式:</translation>
    </message>
    <message>
        <source>shut down your PC after conversion</source>
        <translation>转换完成后关机</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>同时转换数:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>设置页面</translation>
    </message>
    <message>
        <source>How many files are converted at once. Automatic: one per core, and files whose encoder already uses every core (video, two passes) one at a time.</source>
        <translation>同时转换的文件数。自动：每个处理器核心一个；编码器已占用所有核心的文件（视频、两遍编码）逐个转换。</translation>
    </message>
    <message>
        <source>Keep the folder structure</source>
        <translation>保留文件夹结构</translation>
    </message>
    <message>
        <source>Files added from a folder&apos;s subfolders are written to the same subfolders below the output folder.</source>
        <translation>从文件夹的子文件夹添加的文件，将写入输出文件夹下相同的子文件夹。</translation>
    </message>
</context>
<context>
    <name>velmont::CConvertDlg</name>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Files being converted</source>
        <translation>正在转换的文件</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Stop after the current files</source>
        <translation>当前文件完成后停止</translation>
    </message>
    <message>
        <source>Let the running files finish and start no new one; Restart goes on</source>
        <translation>完成正在转换的文件，不再开始新文件；“重新开始”可继续</translation>
    </message>
    <message>
        <source>There is no file to convert</source>
        <translation>没有要转换的文件</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>已转换 1 个文件</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>已转换 %1 个文件</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>，%1 个失败</translation>
    </message>
    <message>
        <source>Failed to shut down</source>
        <translation>关机失败</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Please stop the conversion at first</source>
        <translation>请先停止转换</translation>
    </message>
    <message>
        <source>Batch %1 %</source>
        <translation>批次 %1 %</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩余 %1</translation>
    </message>
    <message>
        <source>Conversion log</source>
        <translation>转换日志</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Done in %1 — %2 converted</source>
        <translation>完成，用时 %1 — 已转换 %2 个</translation>
    </message>
    <message>
        <source>The output folder could not be opened (is a file manager installed?):
</source>
        <translation>无法打开输出文件夹（是否安装了文件管理器？）：
</translation>
    </message>
</context>
<context>
    <name>velmont::COthersDlg</name>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>上:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>右:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>左:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>下:</translation>
    </message>
</context>
<context>
    <name>velmont::CTagDlg</name>
    <message>
        <source>ID3 Tag - </source>
        <translation>ID3 标签 - </translation>
    </message>
    <message>
        <source>Artist(Author):</source>
        <translation>艺术家(作者):</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>注释:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>音轨:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>velmont::CVideoDlg</name>
    <message>
        <source>Video Type:</source>
        <translation>视频类型:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>视频尺寸:</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>帧率:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>宽高比:</translation>
    </message>
    <message>
        <source>Quantizer Scale:</source>
        <translation>量化系数:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>比特率:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>编码遍数:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>最小:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>最大:</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>视频比特率</translation>
    </message>
</context>
<context>
    <name>velmont::JobRowView</name>
    <message>
        <source>Please wait for the conversion</source>
        <translation>请等待转换</translation>
    </message>
    <message>
        <source>Suspended!</source>
        <translation>已暂停！</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>已停止！</translation>
    </message>
    <message>
        <source>Written as: %1</source>
        <translation>写入为：%1</translation>
    </message>
</context>
<context>
    <name>velmont::MainDialog</name>
    <message>
        <source>Add files to list</source>
        <translation>添加文件到列表</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>从列表中移除所选文件</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Start to convert the files selected in the list</source>
        <translation>开始转换列表中选中的文件</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Move up the selected file</source>
        <translation>上移所选文件</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down the selected file</source>
        <translation>下移所选文件</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Play the selected file</source>
        <translation>播放所选文件</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Edit the ID3 Tag of the selected file</source>
        <translation>编辑所选文件的 ID3 标签</translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation>编辑标签</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>选择输出目录</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont 媒体转换器</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>要转换的文件</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Please &lt;+Add&gt; files to convert</source>
        <translation>请用 &lt;+Add&gt; 添加要转换的文件</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>输出文件名</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>失败！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The output folder could not be kept for the next start.
</source>
        <translation>无法为下次启动保存输出文件夹。
</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>About Velmont Media Converter...</source>
        <translation>关于 Velmont 媒体转换器...</translation>
    </message>
    <message>
        <source>No File is selected !</source>
        <translation>没有选择文件！</translation>
    </message>
    <message>
        <source>Can not play the file but it does not influence the conversion</source>
        <translation>无法播放该文件，但不影响转换</translation>
    </message>
    <message>
        <source>Please set the check status if you want to convert the file !</source>
        <translation>请勾选要转换的文件！</translation>
    </message>
    <message>
        <source>Please select output directory !</source>
        <translation>请选择输出目录！</translation>
    </message>
    <message>
        <source>These files are already in the output folder:
</source>
        <translation>以下文件已在输出文件夹中：
</translation>
    </message>
    <message>
        <source>  and %1 more
</source>
        <translation>  以及另外 %1 个
</translation>
    </message>
    <message>
        <source>
Overwrite them, keep both (the new files get free names) or skip those files?</source>
        <translation>
覆盖它们、保留两者（新文件使用未占用的名称），还是跳过这些文件？</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no media files itself.
Add the %2 files in its subfolders?</source>
        <translation>文件夹“%1”本身不含媒体文件。
要添加其子文件夹中的 %2 个文件吗？</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>正在添加文件：%1 / %2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Output to</source>
        <translation>输出到</translation>
    </message>
    <message>
        <source>The settings could not be kept for the next start.
</source>
        <translation>无法保存设置以供下次启动使用。
</translation>
    </message>
    <message>
        <source>Every checked file&apos;s output is already in the output folder, so all were skipped.
Press Convert again to choose Overwrite or Keep both instead.</source>
        <translation>每个选中文件的输出都已在输出文件夹中，因此全部跳过。
再次点击“转换”可改选“覆盖”或“保留两者”。</translation>
    </message>
    <message>
        <source>The help could not be opened: is a web browser installed?
The help is the file help.html beside the program.</source>
        <translation>无法打开帮助：是否安装了网页浏览器？
帮助是程序旁边的 help.html 文件。</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>全部取消勾选</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>清空列表</translation>
    </message>
</context>
</TS>
