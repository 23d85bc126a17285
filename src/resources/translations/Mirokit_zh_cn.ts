<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="es_ES">
    <context>
        <name>ZAbstractBrowser</name>
        <message>
            <source>ZAbstractBrowser: el editor sólo se puede fijar una vez</source>
            <translation>ZAbstractBrowser：编辑器只能设置一次</translation>
        </message>
        <message>
            <source>%1(%2)</source>
            <translation>%1(%2)</translation>
        </message>
        <message>
            <source>Elegir valor</source>
            <translation>选择值</translation>
        </message>
        <message>
            <source>Abre el selector del valor (F4)</source>
            <translation>打开值选择器 (F4)</translation>
        </message>
        <message>
            <source>Valor</source>
            <translation>值</translation>
        </message>
        <message>
            <source>Menú del campo</source>
            <translation>字段菜单</translation>
        </message>
        <message>
            <source>Abre el menú del campo (Mayús+F4)</source>
            <translation>打开字段菜单 (Shift+F4)</translation>
        </message>
    </context>
    <context>
        <name>ZCAction</name>
        <message>
            <source>ZCAction::SetWidgetPopup: la acción "%1" no tiene botón en la barra de herramientas</source>
            <translation>ZCAction::SetWidgetPopup：动作“%1”在工具栏上没有按钮</translation>
        </message>
        <message>
            <source>setupActionIconQtPrintPreview: la acción es nula</source>
            <translation>setupActionIconQtPrintPreview：动作为空</translation>
        </message>
        <message>
            <source>setupActionIconQtPrintPreview: no hay ningún icono %1</source>
            <translation>setupActionIconQtPrintPreview：没有图标 %1</translation>
        </message>
    </context>
    <context>
        <name>ZCApplication</name>
        <message>
            <source>Se descarta el argumento "%1": es una opción de Qt</source>
            <translation>已丢弃参数“%1”：它是 Qt 选项</translation>
        </message>
        <message>
            <source>No se ha podido cargar fuentes Roboto</source>
            <translation>无法加载 Roboto 字体</translation>
        </message>
        <message>
            <source>No hay ventana principal a la que aplicar la hoja de estilo</source>
            <translation>没有可应用样式表的主窗口</translation>
        </message>
        <message>
            <source>No se ha podido cargar hoja de estilo WASM</source>
            <translation>无法加载 WASM 样式表</translation>
        </message>
    </context>
    <context>
        <name>ZCBarCode</name>
        <message>
            <source>Ean13</source>
            <translation>EAN-13</translation>
        </message>
        <message>
            <source>Ean8</source>
            <translation>EAN-8</translation>
        </message>
        <message>
            <source>UPC</source>
            <translation>UPC-A</translation>
        </message>
        <message>
            <source>Code39</source>
            <translation>Code 39</translation>
        </message>
        <message>
            <source>Code39ext</source>
            <translation>Code 39 全ASCII</translation>
        </message>
        <message>
            <source>Interleaved25</source>
            <translation>交叉25码</translation>
        </message>
        <message>
            <source>Codabar</source>
            <translation>库德巴码</translation>
        </message>
        <message>
            <source>Code128</source>
            <translation>Code 128</translation>
        </message>
        <message>
            <source>Code11</source>
            <translation>Code 11</translation>
        </message>
    </context>
    <context>
        <name>ZCBaseWizard</name>
        <message>
            <source>Cancelar</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>&lt; &amp;Retroceder</source>
            <translation>&lt; 上一步(&amp;B)</translation>
        </message>
        <message>
            <source>Siguiente &gt;</source>
            <translation>下一步 &gt;</translation>
        </message>
        <message>
            <source>&amp;Finalizar</source>
            <translation>完成(&amp;F)</translation>
        </message>
    </context>
    <context>
        <name>ZCBuscadorView</name>
        <message>
            <source>Buscar</source>
            <translation>搜索</translation>
        </message>
        <message>
            <source>Limpiar filtro</source>
            <translation>清除筛选</translation>
        </message>
    </context>
    <context>
        <name>ZCBuscarReemplazarWidget</name>
        <message>
            <source>Coincidir minúsculas y mayúsculas</source>
            <translation>区分大小写</translation>
        </message>
        <message>
            <source>Palabras completas</source>
            <translation>全字匹配</translation>
        </message>
        <message>
            <source>Hacia atras</source>
            <translation>向后搜索</translation>
        </message>
        <message>
            <source>&amp;Buscar</source>
            <translation>查找(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Reemplazar</source>
            <translation>替换(&amp;R)</translation>
        </message>
        <message>
            <source>Reemplazar &amp;todos</source>
            <translation>全部替换(&amp;T)</translation>
        </message>
        <message>
            <source>Buscar:</source>
            <translation>查找：</translation>
        </message>
        <message>
            <source>Reemplazar por:</source>
            <translation>替换为：</translation>
        </message>
        <message>
            <source>%1 coincidencias cambiadas</source>
            <translation>已替换 %1 处匹配</translation>
        </message>
        <message>
            <source>Se ha llegado al %1 del documento</source>
            <translation>已到达文档%1</translation>
        </message>
        <message>
            <source>principio</source>
            <translation>开头</translation>
        </message>
        <message>
            <source>final</source>
            <translation>末尾</translation>
        </message>
        <message>
            <source>No se puede encontrar el texto "%1"</source>
            <translation>找不到文本“%1”</translation>
        </message>
        <message>
            <source>Expresión regular</source>
            <translation>正则表达式</translation>
        </message>
        <message>
            <source>Dar la vuelta al documento</source>
            <translation>到达文档末尾时从头继续</translation>
        </message>
        <message>
            <source>La expresión regular no es válida: %1</source>
            <translation>正则表达式无效：%1</translation>
        </message>
    </context>
    <context>
        <name>ZCBuscarReemplazarWidgetDlg</name>
        <message>
            <source>Buscar y reemplazar</source>
            <translation>查找和替换</translation>
        </message>
        <message>
            <source>&amp;Cancelar</source>
            <translation>取消(&amp;C)</translation>
        </message>
        <message>
            <source>Buscar / Reemplazar</source>
            <translation>查找 / 替换</translation>
        </message>
        <message>
            <source>F3</source>
            <translation>F3</translation>
        </message>
        <message>
            <source>Shift+F3</source>
            <translation>Shift+F3</translation>
        </message>
    </context>
    <context>
        <name>ZCCalendar</name>
        <message>
            <source>Año</source>
            <translation>年</translation>
        </message>
    </context>
    <context>
        <name>ZCChart</name>
        <message>
            <source>x: %1
y: %2 </source>
            <translation>x: %1
y: %2 </translation>
        </message>
    </context>
    <context>
        <name>ZCComplexWizard</name>
        <message>
            <source>La página actual del asistente no indica ninguna página siguiente</source>
            <translation>当前向导页未指定下一页</translation>
        </message>
    </context>
    <context>
        <name>ZCDialog</name>
        <message>
            <source>Aceptar</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Cancelar</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>ZCDockWidget</name>
        <message>
            <source>Docks izquierda</source>
            <translation>左侧停靠栏</translation>
        </message>
        <message>
            <source>Docks derecha</source>
            <translation>右侧停靠栏</translation>
        </message>
        <message>
            <source>Docks arriba</source>
            <translation>顶部停靠栏</translation>
        </message>
        <message>
            <source>Docks abajo</source>
            <translation>底部停靠栏</translation>
        </message>
        <message>
            <source>Dock '%1' no encontrado</source>
            <translation>未找到停靠窗口“%1”</translation>
        </message>
    </context>
    <context>
        <name>ZCEditBrowserTexto</name>
        <message>
            <source>Editor de texto enriquecido</source>
            <translation>富文本编辑器</translation>
        </message>
        <message>
            <source>Editor de texto</source>
            <translation>文本编辑器</translation>
        </message>
    </context>
    <context>
        <name>ZCEditorPopup</name>
        <message>
            <source>Aceptar</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Cancelar</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>ZCFlagNames</name>
        <message>
            <source>Una lista de estilos admite como mucho %1 nombres y esta tiene %2; se rechaza</source>
            <translation>样式列表最多接受 %1 个名称，而此列表有 %2 个；已拒绝</translation>
        </message>
    </context>
    <context>
        <name>ZCGestorNotificaciones</name>
        <message>
            <source>No hay ninguna ventana principal; se descarta la notificación "%1"</source>
            <translation>没有主窗口；通知“%1”已丢弃</translation>
        </message>
    </context>
    <context>
        <name>ZCGestorTemasEstilo</name>
        <message>
            <source>Error cargando tema. %1</source>
            <translation>加载主题出错。%1</translation>
        </message>
        <message>
            <source>El elemento de la lista de temas no tiene un formato correcto</source>
            <translation>主题列表中的元素格式不正确</translation>
        </message>
        <message>
            <source>Error. El JSON esperado no tiene el formato correcto</source>
            <translation>错误。JSON 的格式不正确</translation>
        </message>
        <message>
            <source>Error. No existe ningún tema con el índice %1</source>
            <translation>错误。不存在索引为 %1 的主题</translation>
        </message>
        <message>
            <source>Error parseando el CSS: %1</source>
            <translation>解析 CSS 出错：%1</translation>
        </message>
        <message>
            <source>Refrescar</source>
            <translation>刷新</translation>
        </message>
        <message>
            <source>El tema "%1" ha sido recargado correctamente</source>
            <translation>主题“%1”已成功重新加载</translation>
        </message>
        <message>
            <source>Error cargando tema. El fichero no existe o no puede abrirse</source>
            <translation>加载主题出错。文件不存在或无法打开</translation>
        </message>
        <message>
            <source>La aplicación ya tenía una hoja de estilo propia en el primer SetTema(%1): los temas darán iconos y colores, nunca su hoja de estilo</source>
            <translation>首次调用 SetTema(%1) 时应用程序已有自己的样式表：主题只提供图标和颜色，不会替换其样式表</translation>
        </message>
        <message>
            <source>Error. El icono %1 del tema %2 no es un SVG válido: %3 (línea %4)</source>
            <translation>错误。主题 %2 的图标 %1 不是有效的 SVG：%3（第 %4 行）</translation>
        </message>
        <message>
            <source>Sin tema</source>
            <translation>无主题</translation>
            <source>No se encuentra el icono '%1' ni en el tema '%2' ni en el tema por defecto</source>
            <translation>图标“%1”既不在主题“%2”中，也不在默认主题中</translation>
        </message>
    </context>
    <context>
        <name>ZCInputDialog</name>
        <message>
            <source>ZCInputDialog: el editor del diálogo no existe</source>
            <translation>ZCInputDialog：对话框的编辑器不存在</translation>
        </message>
        <message>
            <source>ZCInputDialog: un límite del número pedido no es un número; no se pregunta</source>
            <translation>ZCInputDialog：所请求数字的某个界限不是数字；不显示输入框</translation>
        </message>
    </context>
    <context>
        <name>ZCInputPasswordDialog</name>
        <message>
            <source>Proyecto protegido</source>
            <translation>受保护的项目</translation>
        </message>
        <message>
            <source>Introduzca contraseña</source>
            <translation>请输入密码</translation>
        </message>
    </context>
    <context>
        <name>ZCInputPasswordWidget</name>
        <message>
            <source>Introduzca contraseña</source>
            <translation>请输入密码</translation>
        </message>
        <message>
            <source>Aceptar</source>
            <translation>确定</translation>
        </message>
    </context>
    <context>
        <name>ZCKeySequence</name>
        <message>
            <source>ZCKeySequence: no hay ningún atajo predefinido %1</source>
            <translation>ZCKeySequence：没有预定义快捷键 %1</translation>
        </message>
        <message>
            <source>SetShortcutToAction: la acción es nula</source>
            <translation>SetShortcutToAction：动作为空</translation>
        </message>
    </context>
    <context>
        <name>ZCListBoxString</name>
        <message>
            <source>Nuevo</source>
            <translation>新建</translation>
        </message>
        <message>
            <source>Insertar</source>
            <translation>插入</translation>
        </message>
        <message>
            <source>Editar</source>
            <translation>编辑</translation>
        </message>
        <message>
            <source>Eliminar</source>
            <translation>删除</translation>
        </message>
        <message>
            <source>Subir</source>
            <translation>上移</translation>
        </message>
        <message>
            <source>Bajar</source>
            <translation>下移</translation>
        </message>
    </context>
    <context>
        <name>ZCMainWindow</name>
        <message>
            <source>&amp;Ver</source>
            <translation>视图(&amp;V)</translation>
        </message>
        <message>
            <source>Pantalla completa</source>
            <translation>全屏</translation>
        </message>
        <message>
            <source>Herramientas</source>
            <translation>工具栏</translation>
        </message>
        <message>
            <source>Personalizar</source>
            <translation>自定义</translation>
        </message>
        <message>
            <source>Estilos</source>
            <translation>样式</translation>
        </message>
        <message>
            <source>Sistema (%1)</source>
            <translation>系统 (%1)</translation>
        </message>
    </context>
    <context>
        <name>ZCMedidorWidget</name>
        <message>
            <source>Se ignora un valor no finito para %1: %2</source>
            <translation>忽略 %1 的非有限值：%2</translation>
        </message>
    </context>
    <context>
        <name>ZCNCReportDesigner</name>
        <message>
            <source>No se ha podido imprimir el informe: %1</source>
            <translation>无法打印报表：%1</translation>
        </message>
        <message>
            <source>No hay ninguna impresora instalada: el informe se ha guardado en %1</source>
            <translation>未安装打印机：报表已保存到 %1</translation>
        </message>
    </context>
    <context>
        <name>ZCNCReportDialog</name>
        <message>
            <source>Editor de informes</source>
            <translation>报表编辑器</translation>
        </message>
    </context>
    <context>
        <name>ZCNotificacion</name>
        <message>
            <source>Cerrar notificación</source>
            <translation>关闭通知</translation>
        </message>
    </context>
    <context>
        <name>ZCPaginadorToolbar</name>
        <message>
            <source>Registro:</source>
            <translation>记录：</translation>
        </message>
        <message>
            <source>de</source>
            <translation>共</translation>
        </message>
        <message>
            <source>Primera página</source>
            <translation>第一页</translation>
        </message>
        <message>
            <source>Página anterior</source>
            <translation>上一页</translation>
        </message>
        <message>
            <source>Página siguiente</source>
            <translation>下一页</translation>
        </message>
        <message>
            <source>Última página</source>
            <translation>最后一页</translation>
        </message>
        <message>
            <source>Página</source>
            <translation>页码</translation>
        </message>
    </context>
    <context>
        <name>ZCProgressWidget</name>
        <message>
            <source>Iniciando...</source>
            <translation>正在开始...</translation>
        </message>
        <message>
            <source>Calculando...</source>
            <translation>正在计算...</translation>
        </message>
        <message>
            <source>Cargando...</source>
            <translation>正在加载...</translation>
        </message>
        <message>
            <source>Cancelando...</source>
            <translation>正在取消...</translation>
        </message>
        <message>
            <source>Finalizando...</source>
            <translation>正在完成...</translation>
        </message>
    </context>
    <context>
        <name>ZCQssParser</name>
        <message>
            <source>El fichero %1 no existe o no puede abrirse</source>
            <translation>文件 %1 不存在或无法打开</translation>
        </message>
        <message>
            <source>Error. Directiva import mal formada: %1</source>
            <translation>错误。import 指令格式错误：%1</translation>
        </message>
        <message>
            <source>Error: El fichero %1 no existe</source>
            <translation>错误：文件 %1 不存在</translation>
        </message>
        <message>
            <source>Error. Imports máximos excedidos</source>
            <translation>错误。超出最大导入次数</translation>
        </message>
        <message>
            <source>Error. Declaración de variables incorrecta. %1</source>
            <translation>错误。变量声明不正确。%1</translation>
        </message>
        <message>
            <source>Error. Variables sin resolver</source>
            <translation>错误。存在未解析的变量</translation>
        </message>
        <message>
            <source>Error. La variable %1 no está definida previamente</source>
            <translation>错误。变量 %1 未预先定义</translation>
        </message>
        <message>
            <source>Error. Resolviendo variables</source>
            <translation>错误。解析变量时出错</translation>
        </message>
        <message>
            <source>Error. El nombre de icono %1 no es válido</source>
            <translation>错误。图标名称 %1 无效</translation>
        </message>
        <message>
            <source>Error. El tamaño %1x%2 del icono %3 está fuera del rango de 0 a %4</source>
            <translation>错误。图标 %3 的尺寸 %1x%2 超出 0 到 %4 的范围</translation>
        </message>
        <message>
            <source>Error intentando generar en caché de disco el icono %1. No se ha encontrado el icono en el tema %2</source>
            <translation>尝试在磁盘缓存中生成图标 %1 时出错。在主题 %2 中找不到该图标</translation>
        </message>
        <message>
            <source>Error convirtiendo el icono en png: %1</source>
            <translation>将图标转换为 png 时出错：%1</translation>
        </message>
        <message>
            <source>Error intentando escribir en disco el fichero: %1</source>
            <translation>尝试将文件写入磁盘时出错：%1</translation>
        </message>
        <message>
            <source>No se ha podido generar de manera automática el fichero de recursos: %1</source>
            <translation>无法自动生成资源文件：%1</translation>
        </message>
        <message>
            <source>Error. El fichero %1 no está codificado en UTF-8</source>
            <translation>错误。文件 %1 不是 UTF-8 编码</translation>
        </message>
        <message>
            <source>Error. Importación circular: %1</source>
            <translation>错误。循环导入：%1</translation>
        </message>
    </context>
    <context>
        <name>ZCSVGIconEngine</name>
        <message>
            <source>No se encuentra el icono '%1' en el tema '%2'</source>
            <translation>在主题“%2”中找不到图标“%1”</translation>
        </message>
    </context>
    <context>
        <name>ZCSeriesChart</name>
        <message>
            <source>La serie «%1» tiene un valor no numérico; queda fuera del total y del rango</source>
            <translation>系列“%1”含有非数值；它不计入总计和范围</translation>
        </message>
    </context>
    <context>
        <name>ZCSimpleWizard</name>
        <message>
            <source>El asistente no ha recibido la página %1</source>
            <translation>向导未收到第 %1 页</translation>
        </message>
        <message>
            <source>%1 - Paso %2 de %3</source>
            <translation>%1 - 第 %2 步，共 %3 步</translation>
        </message>
    </context>
    <context>
        <name>ZCTemaEstilo</name>
        <message>
            <source>Error. Falta el valor %1 en la configuración del tema</source>
            <translation>错误。主题配置中缺少值 %1</translation>
        </message>
        <message>
            <source>Error. Falta el valor %1 en la configuración del tema %2</source>
            <translation>错误。主题 %2 的配置中缺少值 %1</translation>
        </message>
        <message>
            <source>Error en la configuración del tema %1. Solo se aceptan valores de tipo String en el array de colores. Elemento %2 incorrecto</source>
            <translation>主题 %1 的配置有误。颜色数组只接受 String 类型的值。第 %2 个元素不正确</translation>
        </message>
        <message>
            <source>Error. El valor %1 no tiene un tipo esperado en la configuración del tema %2. Valores válidos: String o Array de String</source>
            <translation>错误。主题 %2 的配置中值 %1 的类型不符合要求。有效值：String 或 String 数组</translation>
        </message>
        <message>
            <source>Error. El valor %1 de la configuración del tema debe ser un texto</source>
            <translation>错误。主题配置中的值 %1 必须是字符串</translation>
        </message>
        <message>
            <source>Error. El valor %1 de la configuración del tema %2 debe ser un texto</source>
            <translation>错误。主题 %2 配置中的值 %1 必须是字符串</translation>
        </message>
    </context>
    <context>
        <name>ZCTitleBarWidget</name>
        <message>
            <source>Ocultar automáticamente</source>
            <translation>自动隐藏</translation>
        </message>
        <message>
            <source>Flotante</source>
            <translation>浮动</translation>
        </message>
        <message>
            <source>Cerrar</source>
            <translation>关闭</translation>
        </message>
    </context>
    <context>
        <name>ZCToolBar</name>
        <message>
            <source>ZCToolBar::addWidget: el widget es nulo</source>
            <translation>ZCToolBar::addWidget：控件为空</translation>
        </message>
    </context>
    <context>
        <name>ZClockWidget</name>
        <message>
            <source>Reloj</source>
            <translation>时钟</translation>
        </message>
    </context>
    <context>
        <name>ZFont</name>
        <message>
            <source>ZFont: el valor %1 está fuera de rango para %2 y se ignora</source>
            <translation>ZFont：值 %1 超出 %2 的范围，已忽略</translation>
        </message>
    </context>
    <context>
        <name>ZGaugeWidget</name>
        <message>
            <source>Manómetro</source>
            <translation>压力表</translation>
        </message>
    </context>
    <context>
        <name>ZNumberSpinBox</name>
        <message>
            <source>ZNumberSpinBox: se rechaza un valor que no es un número finito</source>
            <translation>ZNumberSpinBox：拒绝非有限数值</translation>
        </message>
    </context>
    <context>
        <name>ZTextEdit</name>
        <message>
            <source>&amp;Deshacer</source>
            <translation>撤销(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Rehacer</source>
            <translation>重做(&amp;R)</translation>
        </message>
        <message>
            <source>Cor&amp;tar</source>
            <translation>剪切(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Copiar</source>
            <translation>复制(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Pegar</source>
            <translation>粘贴(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Negrita</source>
            <translation>粗体(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Cursiva</source>
            <translation>斜体(&amp;I)</translation>
        </message>
        <message>
            <source>&amp;Subrayado</source>
            <translation>下划线(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Color...</source>
            <translation>颜色(&amp;C)...</translation>
        </message>
        <message>
            <source>Iz&amp;quierda</source>
            <translation>左对齐(&amp;L)</translation>
        </message>
        <message>
            <source>C&amp;entro</source>
            <translation>居中(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Derecha</source>
            <translation>右对齐(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Justificado</source>
            <translation>两端对齐(&amp;J)</translation>
        </message>
        <message>
            <source>&amp;Numeración</source>
            <translation>编号(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;Viñetas</source>
            <translation>项目符号(&amp;B)</translation>
        </message>
        <message>
            <source>Edición</source>
            <translation>编辑</translation>
        </message>
        <message>
            <source>Estilo</source>
            <translation>样式</translation>
        </message>
        <message>
            <source>Alineacion</source>
            <translation>对齐</translation>
        </message>
        <message>
            <source>Numeración y viñetas</source>
            <translation>编号和项目符号</translation>
        </message>
        <message>
            <source>Formato</source>
            <translation>格式</translation>
        </message>
        <message>
            <source>Texto</source>
            <translation>文本</translation>
        </message>
        <message>
            <source>Fuente</source>
            <translation>字体</translation>
        </message>
        <message>
            <source>Tamaño</source>
            <translation>字号</translation>
        </message>
    </context>
    <context>
        <name>ZThermometerWidget</name>
        <message>
            <source>Termómetro</source>
            <translation>温度计</translation>
        </message>
    </context>
    <context>
        <name>ZThumbWheel</name>
        <message>
            <source>Se ignora una relación de transmisión no válida: %1</source>
            <translation>忽略无效的传动比：%1</translation>
        </message>
    </context>
</TS>
