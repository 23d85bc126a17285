<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>NCRDBarcodePropDialog</name>
        <message>
            <source>Barcode properties</source>
            <translation>条形码属性</translation>
        </message>
        <message>
            <source>The type code of the barcode painter</source>
            <translation>条形码绘制器的类型代码</translation>
        </message>
        <message>
            <source>Symbology:</source>
            <translation>码制：</translation>
        </message>
        <message>
            <source>Data:</source>
            <translation>数据：</translation>
        </message>
    </context>
    <context>
        <name>NCRDDataSourceDialog</name>
        <message>
            <source>Data sources</source>
            <translation>数据源</translation>
        </message>
        <message>
            <source>Use the model's appearance</source>
            <translation>使用模型的外观</translation>
        </message>
        <message>
            <source>Item model:</source>
            <translation>项目模型：</translation>
        </message>
        <message>
            <source>Parent data source:</source>
            <translation>父数据源：</translation>
        </message>
        <message>
            <source>Parent reference:</source>
            <translation>父引用：</translation>
        </message>
        <message>
            <source>Key column:</source>
            <translation>键列：</translation>
        </message>
    </context>
    <context>
        <name>NCRDDetailDialog</name>
        <message>
            <source>Detail properties</source>
            <translation>明细属性</translation>
        </message>
        <message>
            <source>Id:</source>
            <translation>标识：</translation>
        </message>
        <message>
            <source>Data source:</source>
            <translation>数据源：</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>高度：</translation>
        </message>
    </context>
    <context>
        <name>NCRDDocument</name>
        <message>
            <source>Section or item</source>
            <translation>节或项目</translation>
        </message>
        <message>
            <source>Text</source>
            <translation>文本</translation>
        </message>
        <message>
            <source>Cannot read the file: %1</source>
            <translation>无法读取文件：%1</translation>
        </message>
        <message>
            <source>Cannot write the file: %1</source>
            <translation>无法写入文件：%1</translation>
        </message>
        <message>
            <source>No report is open</source>
            <translation>没有打开的报表</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>未命名</translation>
        </message>
        <message>
            <source>Report designer</source>
            <translation>报表设计器</translation>
        </message>
        <message>
            <source>The report %1 has been modified.
Do you want to save your changes?</source>
            <translation>报表 %1 已被修改。
是否保存更改？</translation>
        </message>
        <message>
            <source>Properties...</source>
            <translation>属性…</translation>
        </message>
        <message>
            <source>Add item</source>
            <translation>添加项目</translation>
        </message>
        <message>
            <source>Label</source>
            <translation>标签</translation>
        </message>
        <message>
            <source>Field</source>
            <translation>字段</translation>
        </message>
        <message>
            <source>Image</source>
            <translation>图像</translation>
        </message>
        <message>
            <source>Barcode</source>
            <translation>条形码</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>直线</translation>
        </message>
        <message>
            <source>Rectangle</source>
            <translation>矩形</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>移除</translation>
        </message>
        <message>
            <source>Move up</source>
            <translation>上移</translation>
        </message>
        <message>
            <source>Move down</source>
            <translation>下移</translation>
        </message>
        <message>
            <source>A detail needs a data source</source>
            <translation>明细需要一个数据源</translation>
        </message>
        <message>
            <source>Add section</source>
            <translation>添加节</translation>
        </message>
        <message>
            <source>Group</source>
            <translation>组</translation>
        </message>
        <message>
            <source>Detail</source>
            <translation>明细</translation>
        </message>
        <message>
            <source>Page header</source>
            <translation>页眉</translation>
        </message>
        <message>
            <source>Page footer</source>
            <translation>页脚</translation>
        </message>
        <message>
            <source>Outline</source>
            <translation>大纲</translation>
        </message>
        <message>
            <source>Edit the report</source>
            <translation>编辑报表</translation>
        </message>
        <message>
            <source>Edit the text</source>
            <translation>编辑文本</translation>
        </message>
        <message>
            <source>Properties of %1</source>
            <translation>%1 的属性</translation>
        </message>
        <message>
            <source>Add %1</source>
            <translation>添加 %1</translation>
        </message>
        <message>
            <source>Add a group</source>
            <translation>添加分组</translation>
        </message>
        <message>
            <source>Add a detail</source>
            <translation>添加明细</translation>
        </message>
        <message>
            <source>Remove %1</source>
            <translation>移除 %1</translation>
        </message>
        <message>
            <source>Height of %1</source>
            <translation>%1 的高度</translation>
        </message>
        <message>
            <source>Move to %1</source>
            <translation>移到 %1</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>删除</translation>
        </message>
        <message>
            <source>Bring to front</source>
            <translation>置于顶层</translation>
        </message>
        <message>
            <source>Send to back</source>
            <translation>置于底层</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>粘贴</translation>
        </message>
        <message>
            <source>Duplicate</source>
            <translation>复制一份</translation>
        </message>
        <message>
            <source>View</source>
            <translation>视图</translation>
        </message>
        <message>
            <source>Page</source>
            <translation>页面</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>选择</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>编辑</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>剪切</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>复制</translation>
        </message>
        <message>
            <source>Select all in the band</source>
            <translation>选择区段内全部</translation>
        </message>
        <message>
            <source>Align</source>
            <translation>对齐</translation>
        </message>
        <message>
            <source>Align left edges</source>
            <translation>左边缘对齐</translation>
        </message>
        <message>
            <source>Align right edges</source>
            <translation>右边缘对齐</translation>
        </message>
        <message>
            <source>Align top edges</source>
            <translation>上边缘对齐</translation>
        </message>
        <message>
            <source>Align bottom edges</source>
            <translation>下边缘对齐</translation>
        </message>
        <message>
            <source>Align centres horizontally</source>
            <translation>水平居中对齐</translation>
        </message>
        <message>
            <source>Align centres vertically</source>
            <translation>垂直居中对齐</translation>
        </message>
        <message>
            <source>Same width</source>
            <translation>相同宽度</translation>
        </message>
        <message>
            <source>Same height</source>
            <translation>相同高度</translation>
        </message>
        <message>
            <source>Distribute horizontally</source>
            <translation>水平分布</translation>
        </message>
        <message>
            <source>Distribute vertically</source>
            <translation>垂直分布</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <translation>放大</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>缩小</translation>
        </message>
        <message>
            <source>Fit width</source>
            <translation>适合宽度</translation>
        </message>
        <message>
            <source>Fit page</source>
            <translation>适合页面</translation>
        </message>
        <message>
            <source>Snap to grid</source>
            <translation>对齐网格</translation>
        </message>
        <message>
            <source>Grid step</source>
            <translation>网格间距</translation>
        </message>
        <message>
            <source>Set %1</source>
            <translation>设置 %1</translation>
        </message>
        <message>
            <source>the text</source>
            <translation>文本</translation>
        </message>
        <message>
            <source>Add fields</source>
            <translation>添加字段</translation>
        </message>
        <message>
            <source>Report header</source>
            <translation>报表头</translation>
        </message>
        <message>
            <source>Report footer</source>
            <translation>报表尾</translation>
        </message>
        <message>
            <source>Edit the data sources</source>
            <translation>编辑数据源</translation>
        </message>
        <message>
            <source>Edit the variables</source>
            <translation>编辑变量</translation>
        </message>
        <message>
            <source>Add the group's header</source>
            <translation>添加分组页眉</translation>
        </message>
        <message>
            <source>Add the group's footer</source>
            <translation>添加分组页脚</translation>
        </message>
        <message>
            <source>Remove the group's header</source>
            <translation>删除分组页眉</translation>
        </message>
        <message>
            <source>Remove the group's footer</source>
            <translation>删除分组页脚</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>节</translation>
        </message>
    </context>
    <context>
        <name>NCRDFieldPropDialog</name>
        <message>
            <source>Field properties</source>
            <translation>字段属性</translation>
        </message>
    </context>
    <context>
        <name>NCRDGraphPropDialog</name>
        <message>
            <source>Graphic properties</source>
            <translation>图形属性</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> 毫米</translation>
        </message>
        <message>
            <source>Thinnest</source>
            <translation>最细</translation>
        </message>
        <message>
            <source>black</source>
            <translation>黑色</translation>
        </message>
        <message>
            <source>Line width:</source>
            <translation>线宽：</translation>
        </message>
        <message>
            <source>Colour:</source>
            <translation>颜色：</translation>
        </message>
        <message>
            <source>None</source>
            <translation>无</translation>
        </message>
        <message>
            <source>Fill:</source>
            <translation>填充：</translation>
        </message>
    </context>
    <context>
        <name>NCRDGroupDialog</name>
        <message>
            <source>Group properties</source>
            <translation>分组属性</translation>
        </message>
        <message>
            <source>Id:</source>
            <translation>标识：</translation>
        </message>
        <message>
            <source>Expression:</source>
            <translation>表达式：</translation>
        </message>
        <message>
            <source>Header height:</source>
            <translation>页眉高度：</translation>
        </message>
        <message>
            <source>Footer height:</source>
            <translation>页脚高度：</translation>
        </message>
    </context>
    <context>
        <name>NCRDImagePropDialog</name>
        <message>
            <source>Image properties</source>
            <translation>图像属性</translation>
        </message>
        <message>
            <source>A file, or a resource such as :/logo.png</source>
            <translation>文件，或资源，例如 :/logo.png</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>文件：</translation>
        </message>
    </context>
    <context>
        <name>NCRDMainWindow</name>
        <message>
            <source>Report designer</source>
            <translation>报表设计器</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>File</source>
            <translation>文件</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>打开(&amp;O)...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>保存(&amp;S)</translation>
        </message>
        <message>
            <source>Save &amp;as...</source>
            <translation>另存为(&amp;A)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>打印(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>关闭(&amp;C)</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>退出(&amp;X)</translation>
        </message>
        <message>
            <source>No report is open</source>
            <translation>没有打开的报表</translation>
        </message>
        <message>
            <source>Open report</source>
            <translation>打开报表</translation>
        </message>
        <message>
            <source>Reports (*.xml);;All files (*)</source>
            <translation>报表 (*.xml);;所有文件 (*)</translation>
        </message>
        <message>
            <source>Save report</source>
            <translation>保存报表</translation>
        </message>
        <message>
            <source>&amp;Data sources...</source>
            <translation>数据源(&amp;D)...</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>报表(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Variables...</source>
            <translation>变量(&amp;V)...</translation>
        </message>
        <message>
            <source>No printer is installed, and the report has no file to write the PDF beside</source>
            <translation>未安装打印机，且报表没有可在其旁边保存 PDF 的文件</translation>
        </message>
        <message>
            <source>No printer is installed: the report was written to %1</source>
            <translation>未安装打印机：报表已保存到 %1</translation>
        </message>
        <message>
            <source>Send by &amp;e-mail...</source>
            <translation>通过电子邮件发送(&amp;E)...</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>编辑(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>撤销(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>重做(&amp;R)</translation>
        </message>
        <message>
            <source>History</source>
            <translation>历史</translation>
        </message>
        <message>
            <source>&lt;opened&gt;</source>
            <translation>&lt;已打开&gt;</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>视图(&amp;V)</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>数据</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>属性</translation>
        </message>
        <message>
            <source>Pre&amp;view</source>
            <translation>预览(&amp;V)</translation>
        </message>
        <message>
            <source>The report has no file to write the preview beside</source>
            <translation>报表没有文件，无法在其旁边写入预览</translation>
        </message>
        <message>
            <source>The preview was written to %1</source>
            <translation>预览已写入 %1</translation>
        </message>
    </context>
    <context>
        <name>NCRDPropertyDialog</name>
        <message>
            <source>Static text</source>
            <translation>静态文本</translation>
        </message>
        <message>
            <source>Data source</source>
            <translation>数据源</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>参数</translation>
        </message>
        <message>
            <source>Variable</source>
            <translation>变量</translation>
        </message>
        <message>
            <source>Template</source>
            <translation>模板</translation>
        </message>
        <message>
            <source>Source type:</source>
            <translation>来源类型：</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> 毫米</translation>
        </message>
        <message>
            <source>X1:</source>
            <translation>X1：</translation>
        </message>
        <message>
            <source>X:</source>
            <translation>X：</translation>
        </message>
        <message>
            <source>Y1:</source>
            <translation>Y1：</translation>
        </message>
        <message>
            <source>Y:</source>
            <translation>Y：</translation>
        </message>
        <message>
            <source>X2:</source>
            <translation>X2：</translation>
        </message>
        <message>
            <source>Width:</source>
            <translation>宽度：</translation>
        </message>
        <message>
            <source>Y2:</source>
            <translation>Y2：</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>高度：</translation>
        </message>
        <message>
            <source>Print when:</source>
            <translation>打印条件：</translation>
        </message>
        <message>
            <source>Always</source>
            <translation>始终</translation>
        </message>
        <message>
            <source>Never</source>
            <translation>从不</translation>
        </message>
        <message>
            <source>New page when:</source>
            <translation>换页条件：</translation>
        </message>
    </context>
    <context>
        <name>NCRDSectionDialog</name>
        <message>
            <source>Section properties</source>
            <translation>节属性</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>高度：</translation>
        </message>
    </context>
    <context>
        <name>NCRDTextPropDialog</name>
        <message>
            <source>Text properties</source>
            <translation>文本属性</translation>
        </message>
        <message>
            <source>Text:</source>
            <translation>文本：</translation>
        </message>
    </context>
    <context>
        <name>NCRDVariableDialog</name>
        <message>
            <source>Variables</source>
            <translation>变量</translation>
        </message>
        <message>
            <source>Id</source>
            <translation>标识</translation>
        </message>
        <message>
            <source>Expression</source>
            <translation>表达式</translation>
        </message>
        <message>
            <source>Function</source>
            <translation>函数</translation>
        </message>
        <message>
            <source>Reset by group</source>
            <translation>按组重置</translation>
        </message>
    </context>
    <context>
        <name>NCReport</name>
        <message>
            <source>No report file or report text is given</source>
            <translation>未指定报表文件或报表文本</translation>
        </message>
        <message>
            <source>The report is already running</source>
            <translation>报表已在运行</translation>
        </message>
    </context>
    <context>
        <name>NCReportDirector</name>
        <message>
            <source>There is no report definition</source>
            <translation>没有报表定义</translation>
        </message>
        <message>
            <source>The output cannot be finished: %1</source>
            <translation>无法完成输出：%1</translation>
        </message>
        <message>
            <source>The detail %1 uses the unknown data source %2</source>
            <translation>明细 %1 使用了未知的数据源 %2</translation>
        </message>
        <message>
            <source>The data source %1 cannot be opened: %2</source>
            <translation>无法打开数据源 %1：%2</translation>
        </message>
        <message>
            <source>Cannot start page %1: %2</source>
            <translation>无法开始第 %1 页：%2</translation>
        </message>
        <message>
            <source>The detail %1 is sorted by %2, a column its data source %3 does not have</source>
            <translation>明细 %1 按 %2 排序，但其数据源 %3 没有该列</translation>
        </message>
    </context>
    <context>
        <name>NCReportEvaluator</name>
        <message>
            <source>The data source %1 has no column %2</source>
            <translation>数据源 %1 没有列 %2</translation>
        </message>
    </context>
    <context>
        <name>NCReportExport</name>
        <message>
            <source>Cannot write %1: %2</source>
            <translation>无法写入 %1：%2</translation>
        </message>
        <message>
            <source>the folder does not exist</source>
            <translation>文件夹不存在</translation>
        </message>
        <message>
            <source>the workbook cannot be made</source>
            <translation>无法创建工作簿</translation>
        </message>
        <message>
            <source>the file cannot be put in place</source>
            <translation>无法将文件放到位</translation>
        </message>
        <message>
            <source>the folder cannot be made</source>
            <translation>无法创建文件夹</translation>
        </message>
        <message>
            <source>the page cannot be drawn</source>
            <translation>无法绘制页面</translation>
        </message>
    </context>
    <context>
        <name>NCReportImageOutput</name>
        <message>
            <source>The page is too large for an image at %1 dpi</source>
            <translation>以 %1 dpi 生成图像时页面过大</translation>
        </message>
        <message>
            <source>The pages at %1 dpi need more memory than a preview keeps (%2 MiB): ask for fewer pages</source>
            <translation>%1 dpi 的页面所需内存超过预览可保留的内存（%2 MiB）：请减少请求的页数</translation>
        </message>
    </context>
    <context>
        <name>NCReportItemModelDataSource</name>
        <message>
            <source>No item model is registered as "%1"</source>
            <translation>没有注册名为“%1”的项模型</translation>
        </message>
    </context>
    <context>
        <name>NCReportPagedOutput</name>
        <message>
            <source>The device does not accept the page layout</source>
            <translation>设备不接受该页面布局</translation>
        </message>
        <message>
            <source>Cannot paint on the device</source>
            <translation>无法在设备上绘制</translation>
        </message>
        <message>
            <source>Cannot start a new page</source>
            <translation>无法开始新页</translation>
        </message>
    </context>
    <context>
        <name>NCReportPreviewWindow</name>
        <message>
            <source>Report preview</source>
            <translation>报表预览</translation>
        </message>
        <message>
            <source>Print…</source>
            <translation>打印…</translation>
        </message>
        <message>
            <source>PDF…</source>
            <translation>PDF…</translation>
        </message>
        <message>
            <source>Find…</source>
            <translation>查找…</translation>
        </message>
        <message>
            <source>Find next</source>
            <translation>查找下一个</translation>
        </message>
        <message>
            <source>Find previous</source>
            <translation>查找上一个</translation>
        </message>
        <message>
            <source>First page</source>
            <translation>第一页</translation>
        </message>
        <message>
            <source>Previous page</source>
            <translation>上一页</translation>
        </message>
        <message>
            <source>Next page</source>
            <translation>下一页</translation>
        </message>
        <message>
            <source>Last page</source>
            <translation>最后一页</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <translation>放大</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>缩小</translation>
        </message>
        <message>
            <source>Fit width</source>
            <translation>适合宽度</translation>
        </message>
        <message>
            <source>Fit page</source>
            <translation>适合页面</translation>
        </message>
        <message>
            <source>Continuous</source>
            <translation>连续</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>预览</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>导出</translation>
        </message>
        <message>
            <source>Find</source>
            <translation>查找</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>编辑(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>视图(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Go</source>
            <translation>转到(&amp;G)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Thumbnails</source>
            <translation>缩略图</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>第 %1 页，共 %2 页</translation>
        </message>
        <message>
            <source>Laying out the report…</source>
            <translation>正在排版报表…</translation>
        </message>
        <message>
            <source>Pages laid out: %1</source>
            <translation>已排版页数：%1</translation>
        </message>
        <message>
            <source>Pages: %1</source>
            <translation>页数：%1</translation>
        </message>
        <message>
            <source>Cancelled: the pages laid out so far are shown</source>
            <translation>已取消：显示目前已排版的页面</translation>
        </message>
        <message>
            <source>No matches</source>
            <translation>无匹配项</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>第 %1 个，共 %2 个</translation>
        </message>
        <message>
            <source>Sent to the printer</source>
            <translation>已发送到打印机</translation>
        </message>
        <message>
            <source>The printer refused the pages</source>
            <translation>打印机拒绝了这些页面</translation>
        </message>
        <message>
            <source>There are no pages to export</source>
            <translation>没有可导出的页面</translation>
        </message>
        <message>
            <source>Cannot write %1: %2</source>
            <translation>无法写入 %1：%2</translation>
        </message>
        <message>
            <source>the pages cannot be painted</source>
            <translation>无法绘制页面</translation>
        </message>
        <message>
            <source>Saved to %1</source>
            <translation>已保存到 %1</translation>
        </message>
        <message>
            <source>Export to PDF</source>
            <translation>导出为 PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF 文件 (*.pdf)</translation>
        </message>
        <message>
            <source>HTML…</source>
            <translation>HTML…</translation>
        </message>
        <message>
            <source>SVG…</source>
            <translation>SVG…</translation>
        </message>
        <message>
            <source>CSV…</source>
            <translation>CSV…</translation>
        </message>
        <message>
            <source>Excel (XLSX)…</source>
            <translation>Excel (XLSX)…</translation>
        </message>
        <message>
            <source>Folder for the SVG pages</source>
            <translation>SVG 页面的文件夹</translation>
        </message>
        <message>
            <source>HTML files (*.html)</source>
            <translation>HTML 文件 (*.html)</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV 文件 (*.csv)</translation>
        </message>
        <message>
            <source>Excel workbooks (*.xlsx)</source>
            <translation>Excel 工作簿 (*.xlsx)</translation>
        </message>
        <message>
            <source>Send by e-mail…</source>
            <translation>通过电子邮件发送…</translation>
        </message>
        <message>
            <source>Counting the pages…</source>
            <translation>正在统计页数…</translation>
        </message>
    </context>
    <context>
        <name>NCReportRecordingOutput</name>
        <message>
            <source>The run was cancelled</source>
            <translation>运行已取消</translation>
        </message>
    </context>
    <context>
        <name>NCReportSectionPainter</name>
        <message>
            <source>The condition %1 cannot be evaluated</source>
            <translation>无法计算条件 %1</translation>
        </message>
    </context>
    <context>
        <name>NCReportSqlDataSource</name>
        <message>
            <source>Cannot open the database %1: %2</source>
            <translation>无法打开数据库 %1：%2</translation>
        </message>
        <message>
            <source>The database connection "%1" is not open</source>
            <translation>数据库连接“%1”未打开</translation>
        </message>
        <message>
            <source>The query cannot be prepared: %1</source>
            <translation>无法准备查询：%1</translation>
        </message>
        <message>
            <source>The query uses the unknown parameter %1</source>
            <translation>查询使用了未知参数 %1</translation>
        </message>
        <message>
            <source>The query failed: %1</source>
            <translation>查询失败：%1</translation>
        </message>
        <message>
            <source>The query of the data source %1 has a $P{ without its closing brace</source>
            <translation>数据源 %1 的查询中有一个缺少右花括号的 $P{</translation>
        </message>
    </context>
    <context>
        <name>NCReportTableDataSource</name>
        <message>
            <source>it does not exist</source>
            <translation>文件不存在</translation>
        </message>
        <message>
            <source>it is not a regular file</source>
            <translation>不是普通文件</translation>
        </message>
        <message>
            <source>Cannot read the file %1: %2</source>
            <translation>无法读取文件 %1：%2</translation>
        </message>
    </context>
    <context>
        <name>NCReportXMLDataSource</name>
        <message>
            <source>Line %1: %2</source>
            <translation>第 %1 行：%2</translation>
        </message>
        <message>
            <source>The XML data has too many values: at most %1 can be read</source>
            <translation>XML 数据的值过多：最多可读取 %1 个</translation>
        </message>
    </context>
    <context>
        <name>NCReportXMLDefReader</name>
        <message>
            <source>The document is not a report: &lt;%1&gt;</source>
            <translation>该文档不是报表：&lt;%1&gt;</translation>
        </message>
        <message>
            <source>The document is empty</source>
            <translation>文档为空</translation>
        </message>
        <message>
            <source>Unknown element &lt;%1&gt;</source>
            <translation>未知元素 &lt;%1&gt;</translation>
        </message>
        <message>
            <source>The attribute %1 is missing</source>
            <translation>缺少属性 %1</translation>
        </message>
        <message>
            <source>The attribute %1 is not a valid number: %2</source>
            <translation>属性 %1 不是有效数字：%2</translation>
        </message>
        <message>
            <source>The attribute %1 is not a whole number: %2</source>
            <translation>属性 %1 不是整数：%2</translation>
        </message>
        <message>
            <source>Unknown page size %1</source>
            <translation>未知页面尺寸 %1</translation>
        </message>
        <message>
            <source>Unknown orientation %1</source>
            <translation>未知方向 %1</translation>
        </message>
        <message>
            <source>The margins leave no room on the page</source>
            <translation>页边距使页面没有剩余空间</translation>
        </message>
        <message>
            <source>Unknown data source type %1</source>
            <translation>未知数据源类型 %1</translation>
        </message>
        <message>
            <source>The data source %1 is defined twice</source>
            <translation>数据源 %1 被定义了两次</translation>
        </message>
        <message>
            <source>The delimiter must be one character: %1</source>
            <translation>分隔符必须是单个字符：%1</translation>
        </message>
        <message>
            <source>Unknown variable function %1</source>
            <translation>未知变量函数 %1</translation>
        </message>
        <message>
            <source>The variable %1 is defined twice</source>
            <translation>变量 %1 被定义了两次</translation>
        </message>
        <message>
            <source>A section cannot have a negative height</source>
            <translation>节的高度不能为负数</translation>
        </message>
        <message>
            <source>The group %1 is defined twice</source>
            <translation>分组 %1 被定义了两次</translation>
        </message>
        <message>
            <source>An item cannot have a negative size</source>
            <translation>元素的尺寸不能为负数</translation>
        </message>
        <message>
            <source>The font size must be between 0 and 1000 points</source>
            <translation>字号必须介于 0 到 1000 磅之间</translation>
        </message>
        <message>
            <source>A line cannot have a negative width</source>
            <translation>线宽不能为负数</translation>
        </message>
        <message>
            <source>The attribute %1 is not a colour: %2</source>
            <translation>属性 %1 不是颜色：%2</translation>
        </message>
        <message>
            <source>Unknown alignment %1</source>
            <translation>未知对齐方式 %1</translation>
        </message>
        <message>
            <source>Unknown item source %1</source>
            <translation>未知元素来源 %1</translation>
        </message>
        <message>
            <source>The detail %1 uses the unknown data source %2</source>
            <translation>明细 %1 使用了未知的数据源 %2</translation>
        </message>
        <message>
            <source>The variable %1 is reset by the unknown group %2</source>
            <translation>变量 %1 由未知分组 %2 重置</translation>
        </message>
        <message>
            <source>Cannot read the file: %1</source>
            <translation>无法读取文件：%1</translation>
        </message>
        <message>
            <source>Unknown locale %1</source>
            <translation>未知的区域设置 %1</translation>
        </message>
        <message>
            <source>Unknown format %1</source>
            <translation>未知的格式 %1</translation>
        </message>
        <message>
            <source>The decimals must be between 0 and %1</source>
            <translation>小数位数必须在 0 到 %1 之间</translation>
        </message>
        <message>
            <source>The date format %1 shows nothing of the date</source>
            <translation>日期格式 %1 不显示日期的任何部分</translation>
        </message>
        <message>
            <source>The sort %1 names no column in one of its entries</source>
            <translation>排序 %1 的某一项未指定列</translation>
        </message>
        <message>
            <source>The detail %1 is sorted by %2 columns, more than its data source %3 has (%4)</source>
            <translation>明细 %1 按 %2 列排序，多于其数据源 %3 的列数（%4）</translation>
        </message>
    </context>
    <context>
        <name>NCReportMailer</name>
        <message>
            <source>"%1" is not a valid e-mail address</source>
            <translation>"%1" 不是有效的电子邮件地址</translation>
        </message>
        <message>
            <source>The message has no sender</source>
            <translation>邮件没有发件人</translation>
        </message>
        <message>
            <source>The message has no recipient</source>
            <translation>邮件没有收件人</translation>
        </message>
        <message>
            <source>The attachment %1 cannot be read: %2</source>
            <translation>无法读取附件 %1：%2</translation>
        </message>
        <message>
            <source>No report is given to attach</source>
            <translation>未指定要附加的报表</translation>
        </message>
        <message>
            <source>The report engine cannot write reports as %1; attach them as PDF</source>
            <translation>报表引擎无法将报表输出为 %1；请以 PDF 格式附加</translation>
        </message>
        <message>
            <source>No temporary folder for the report: %1</source>
            <translation>没有可用于报表的临时文件夹：%1</translation>
        </message>
        <message>
            <source>The report's output cannot be read: %1</source>
            <translation>无法读取报表的输出：%1</translation>
        </message>
        <message>
            <source>No mail server is given</source>
            <translation>未指定邮件服务器</translation>
        </message>
        <message>
            <source>Sending through %1 was cancelled</source>
            <translation>通过 %1 的发送已取消</translation>
        </message>
        <message>
            <source>"%1" is not the name of a mail server</source>
            <translation>"%1" 不是邮件服务器的名称</translation>
        </message>
        <message>
            <source>The mail server %1 did not answer within %2 seconds</source>
            <translation>邮件服务器 %1 在 %2 秒内没有响应</translation>
        </message>
        <message>
            <source>The mail server %1 offers no way to log in that can be used here</source>
            <translation>邮件服务器 %1 未提供可在此使用的登录方式</translation>
        </message>
        <message>
            <source>The mail server %1 refused the connection (%2)</source>
            <translation>邮件服务器 %1 拒绝了连接（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 refused to encrypt the connection; the message was not sent unencrypted (%2)</source>
            <translation>邮件服务器 %1 拒绝加密连接；邮件未以未加密方式发送（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 refused the user name or password (%2)</source>
            <translation>邮件服务器 %1 拒绝了用户名或密码（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 requires logging in (%2)</source>
            <translation>邮件服务器 %1 要求登录（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 refused the sender %2 (%3)</source>
            <translation>邮件服务器 %1 拒绝了发件人 %2（%3）</translation>
        </message>
        <message>
            <source>The mail server %1 refused the recipient %2 (%3)</source>
            <translation>邮件服务器 %1 拒绝了收件人 %2（%3）</translation>
        </message>
        <message>
            <source>The mail server %1 refused the message (%2)</source>
            <translation>邮件服务器 %1 拒绝了该邮件（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 answered with an error (%2)</source>
            <translation>邮件服务器 %1 返回了错误（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 refused the message as too large (%2)</source>
            <translation>邮件服务器 %1 因邮件过大而拒绝（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 was not found</source>
            <translation>找不到邮件服务器 %1</translation>
        </message>
        <message>
            <source>The mail server %1 refused the connection or cannot be reached</source>
            <translation>邮件服务器 %1 拒绝了连接或无法访问</translation>
        </message>
        <message>
            <source>The mail server %1 does not offer encryption (STARTTLS); the message was not sent unencrypted</source>
            <translation>邮件服务器 %1 不提供加密（STARTTLS）；邮件未以未加密方式发送</translation>
        </message>
        <message>
            <source>The certificate of the mail server %1 is not trusted (%2)</source>
            <translation>邮件服务器 %1 的证书不受信任（%2）</translation>
        </message>
        <message>
            <source>The encrypted connection to the mail server %1 failed (%2)</source>
            <translation>与邮件服务器 %1 的加密连接失败（%2）</translation>
        </message>
        <message>
            <source>The mail server %1 closed the connection before the message was sent</source>
            <translation>邮件服务器 %1 在邮件发送完成前关闭了连接</translation>
        </message>
        <message>
            <source>Sending through the mail server %1 failed (%2)</source>
            <translation>通过邮件服务器 %1 发送失败（%2）</translation>
        </message>
        <message>
            <source>A message is already being sent</source>
            <translation>已有邮件正在发送</translation>
        </message>
    </context>
    <context>
        <name>NCRDMailDialog</name>
        <message>
            <source>Accept a certificate the system does not trust</source>
            <translation>接受系统不信任的证书</translation>
        </message>
        <message>
            <source>Send by e-mail</source>
            <translation>通过电子邮件发送</translation>
        </message>
        <message>
            <source>name@example.com, another@example.com</source>
            <translation>name@example.com, another@example.com</translation>
        </message>
        <message>
            <source>None</source>
            <translation>无</translation>
        </message>
        <message>
            <source>&amp;To:</source>
            <translation>收件人(&amp;T)：</translation>
        </message>
        <message>
            <source>&amp;Cc:</source>
            <translation>抄送(&amp;C)：</translation>
        </message>
        <message>
            <source>&amp;Subject:</source>
            <translation>主题(&amp;S)：</translation>
        </message>
        <message>
            <source>&amp;Message:</source>
            <translation>正文(&amp;M)：</translation>
        </message>
        <message>
            <source>&amp;Attach as:</source>
            <translation>附件格式(&amp;A)：</translation>
        </message>
        <message>
            <source>Mail server</source>
            <translation>邮件服务器</translation>
        </message>
        <message>
            <source>&amp;From:</source>
            <translation>发件人(&amp;F)：</translation>
        </message>
        <message>
            <source>Se&amp;rver:</source>
            <translation>服务器(&amp;R)：</translation>
        </message>
        <message>
            <source>&amp;Port:</source>
            <translation>端口(&amp;P)：</translation>
        </message>
        <message>
            <source>&amp;Encryption:</source>
            <translation>加密(&amp;E)：</translation>
        </message>
        <message>
            <source>&amp;User:</source>
            <translation>用户(&amp;U)：</translation>
        </message>
        <message>
            <source>Pass&amp;word:</source>
            <translation>密码(&amp;W)：</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>发送</translation>
        </message>
        <message>
            <source>Sending to %1: %2%</source>
            <translation>正在发送至 %1：%2%</translation>
        </message>
        <message>
            <source>The report was sent to %1</source>
            <translation>报表已发送至 %1</translation>
        </message>
        <message>
            <source>The report could not be sent</source>
            <translation>无法发送报表</translation>
        </message>
        <message>
            <source>Sending to %1...</source>
            <translation>正在发送至 %1...</translation>
        </message>
    </context>
    <context>
        <name>NCRDCanvas</name>
        <message>
            <source>Page header</source>
            <translation>页眉</translation>
        </message>
        <message>
            <source>Report header</source>
            <translation>报表头</translation>
        </message>
        <message>
            <source>Group header</source>
            <translation>组头</translation>
        </message>
        <message>
            <source>Detail</source>
            <translation>明细</translation>
        </message>
        <message>
            <source>Group footer</source>
            <translation>组尾</translation>
        </message>
        <message>
            <source>Report footer</source>
            <translation>报表尾</translation>
        </message>
        <message>
            <source>Page footer</source>
            <translation>页脚</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>移动</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>调整大小</translation>
        </message>
        <message>
            <source>Align</source>
            <translation>对齐</translation>
        </message>
    </context>
    <context>
        <name>NCRDCanvasView</name>
        <message>
            <source>Report page</source>
            <translation>报表页面</translation>
        </message>
    </context>
    <context>
        <name>NCRDPropertyPanel</name>
        <message>
            <source>Properties</source>
            <translation>属性</translation>
        </message>
        <message>
            <source>%1 items</source>
            <translation>%1 个项目</translation>
        </message>
        <message>
            <source>Text or expression</source>
            <translation>文本或表达式</translation>
        </message>
        <message>
            <source>(several values)</source>
            <translation>(多个值)</translation>
        </message>
        <message>
            <source>Header</source>
            <translation>页眉</translation>
        </message>
        <message>
            <source>Footer</source>
            <translation>页脚</translation>
        </message>
        <message>
            <source>X</source>
            <translation>X</translation>
        </message>
        <message>
            <source>Y</source>
            <translation>Y</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>宽度</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>高度</translation>
        </message>
        <message>
            <source>Start x</source>
            <translation>起点 x</translation>
        </message>
        <message>
            <source>Start y</source>
            <translation>起点 y</translation>
        </message>
        <message>
            <source>End x</source>
            <translation>终点 x</translation>
        </message>
        <message>
            <source>End y</source>
            <translation>终点 y</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>字体</translation>
        </message>
        <message>
            <source>Font size</source>
            <translation>字号</translation>
        </message>
        <message>
            <source>Bold</source>
            <translation>粗体</translation>
        </message>
        <message>
            <source>Italic</source>
            <translation>斜体</translation>
        </message>
        <message>
            <source>Alignment</source>
            <translation>对齐</translation>
        </message>
        <message>
            <source>Colour</source>
            <translation>颜色</translation>
        </message>
        <message>
            <source>Fill</source>
            <translation>填充</translation>
        </message>
        <message>
            <source>Line width</source>
            <translation>线宽</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>来源</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>格式</translation>
        </message>
        <message>
            <source>Decimals</source>
            <translation>小数位数</translation>
        </message>
        <message>
            <source>Date format</source>
            <translation>日期格式</translation>
        </message>
        <message>
            <source>Print when</source>
            <translation>打印条件</translation>
        </message>
        <message>
            <source>File</source>
            <translation>文件</translation>
        </message>
        <message>
            <source>Barcode type</source>
            <translation>条码类型</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>名称</translation>
        </message>
        <message>
            <source>Page size</source>
            <translation>页面大小</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>方向</translation>
        </message>
        <message>
            <source>Left margin</source>
            <translation>左边距</translation>
        </message>
        <message>
            <source>Top margin</source>
            <translation>上边距</translation>
        </message>
        <message>
            <source>Right margin</source>
            <translation>右边距</translation>
        </message>
        <message>
            <source>Bottom margin</source>
            <translation>下边距</translation>
        </message>
        <message>
            <source>Locale</source>
            <translation>区域设置</translation>
        </message>
        <message>
            <source>Id</source>
            <translation>标识</translation>
        </message>
        <message>
            <source>Data source</source>
            <translation>数据源</translation>
        </message>
        <message>
            <source>Sort</source>
            <translation>排序</translation>
        </message>
        <message>
            <source>Page break when</source>
            <translation>分页条件</translation>
        </message>
        <message>
            <source>Expression</source>
            <translation>表达式</translation>
        </message>
        <message>
            <source>Portrait</source>
            <translation>纵向</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>横向</translation>
        </message>
        <message>
            <source>(as it comes)</source>
            <translation>（原样）</translation>
        </message>
        <message>
            <source>(by kind)</source>
            <translation>（按类型）</translation>
        </message>
        <message>
            <source> pt</source>
            <translation> 磅</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> 毫米</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>左</translation>
        </message>
        <message>
            <source>Centre</source>
            <translation>居中</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>右</translation>
        </message>
        <message>
            <source>Top</source>
            <translation>顶部</translation>
        </message>
        <message>
            <source>Middle</source>
            <translation>中部</translation>
        </message>
        <message>
            <source>Bottom</source>
            <translation>底部</translation>
        </message>
        <message>
            <source>Horizontal alignment</source>
            <translation>水平对齐</translation>
        </message>
        <message>
            <source>Vertical alignment</source>
            <translation>垂直对齐</translation>
        </message>
    </context>
    <context>
        <name>NCRDDataPanel</name>
        <message>
            <source>Data</source>
            <translation>数据</translation>
        </message>
        <message>
            <source>Data sources</source>
            <translation>数据源</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>参数</translation>
        </message>
        <message>
            <source>Variables</source>
            <translation>变量</translation>
        </message>
    </context>
    <context>
        <name>NCRDRuler</name>
        <message>
            <source>Horizontal ruler</source>
            <translation>水平标尺</translation>
        </message>
        <message>
            <source>Vertical ruler</source>
            <translation>垂直标尺</translation>
        </message>
    </context>
</TS>
