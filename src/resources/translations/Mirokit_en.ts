<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es_ES">
    <context>
        <name>ZAbstractBrowser</name>
        <message>
            <source>ZAbstractBrowser: el editor sólo se puede fijar una vez</source>
            <translation>ZAbstractBrowser: the editor can only be set once</translation>
        </message>
        <message>
            <source>%1(%2)</source>
            <translation>%1(%2)</translation>
        </message>
        <message>
            <source>Elegir valor</source>
            <translation>Choose value</translation>
        </message>
        <message>
            <source>Abre el selector del valor (F4)</source>
            <translation>Opens the value picker (F4)</translation>
        </message>
        <message>
            <source>Valor</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Menú del campo</source>
            <translation>Field menu</translation>
        </message>
        <message>
            <source>Abre el menú del campo (Mayús+F4)</source>
            <translation>Opens the field menu (Shift+F4)</translation>
        </message>
    </context>
    <context>
        <name>ZCAction</name>
        <message>
            <source>ZCAction::SetWidgetPopup: la acción "%1" no tiene botón en la barra de herramientas</source>
            <translation>ZCAction::SetWidgetPopup: the action "%1" has no button on the tool bar</translation>
        </message>
        <message>
            <source>setupActionIconQtPrintPreview: la acción es nula</source>
            <translation>setupActionIconQtPrintPreview: the action is null</translation>
        </message>
        <message>
            <source>setupActionIconQtPrintPreview: no hay ningún icono %1</source>
            <translation>setupActionIconQtPrintPreview: there is no icon %1</translation>
        </message>
    </context>
    <context>
        <name>ZCApplication</name>
        <message>
            <source>Se descarta el argumento "%1": es una opción de Qt</source>
            <translation>Argument "%1" dropped: it is a Qt option</translation>
        </message>
        <message>
            <source>No se ha podido cargar fuentes Roboto</source>
            <translation>Could not load the Roboto fonts</translation>
        </message>
        <message>
            <source>No hay ventana principal a la que aplicar la hoja de estilo</source>
            <translation>There is no main window to apply the style sheet to</translation>
        </message>
        <message>
            <source>No se ha podido cargar hoja de estilo WASM</source>
            <translation>Could not load the WASM style sheet</translation>
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
            <translation>Code 39 full ASCII</translation>
        </message>
        <message>
            <source>Interleaved25</source>
            <translation>Interleaved 2 of 5</translation>
        </message>
        <message>
            <source>Codabar</source>
            <translation>Codabar</translation>
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
            <translation>Cancel</translation>
        </message>
        <message>
            <source>&lt; &amp;Retroceder</source>
            <translation>&lt; &amp;Back</translation>
        </message>
        <message>
            <source>Siguiente &gt;</source>
            <translation>Next &gt;</translation>
        </message>
        <message>
            <source>&amp;Finalizar</source>
            <translation>&amp;Finish</translation>
        </message>
    </context>
    <context>
        <name>ZCBuscadorView</name>
        <message>
            <source>Buscar</source>
            <translation>Search</translation>
        </message>
        <message>
            <source>Limpiar filtro</source>
            <translation>Clear filter</translation>
        </message>
    </context>
    <context>
        <name>ZCBuscarReemplazarWidget</name>
        <message>
            <source>Coincidir minúsculas y mayúsculas</source>
            <translation>Match case</translation>
        </message>
        <message>
            <source>Palabras completas</source>
            <translation>Whole words</translation>
        </message>
        <message>
            <source>Hacia atras</source>
            <translation>Backwards</translation>
        </message>
        <message>
            <source>&amp;Buscar</source>
            <translation>&amp;Find</translation>
        </message>
        <message>
            <source>&amp;Reemplazar</source>
            <translation>&amp;Replace</translation>
        </message>
        <message>
            <source>Reemplazar &amp;todos</source>
            <translation>Replace &amp;all</translation>
        </message>
        <message>
            <source>Buscar:</source>
            <translation>Find:</translation>
        </message>
        <message>
            <source>Reemplazar por:</source>
            <translation>Replace with:</translation>
        </message>
        <message>
            <source>%1 coincidencias cambiadas</source>
            <translation>%1 matches replaced</translation>
        </message>
        <message>
            <source>Se ha llegado al %1 del documento</source>
            <translation>Reached the %1 of the document</translation>
        </message>
        <message>
            <source>principio</source>
            <translation>beginning</translation>
        </message>
        <message>
            <source>final</source>
            <translation>end</translation>
        </message>
        <message>
            <source>No se puede encontrar el texto "%1"</source>
            <translation>Cannot find the text "%1"</translation>
        </message>
        <message>
            <source>Expresión regular</source>
            <translation>Regular expression</translation>
        </message>
        <message>
            <source>Dar la vuelta al documento</source>
            <translation>Wrap around the document</translation>
        </message>
        <message>
            <source>La expresión regular no es válida: %1</source>
            <translation>The regular expression is not valid: %1</translation>
        </message>
    </context>
    <context>
        <name>ZCBuscarReemplazarWidgetDlg</name>
        <message>
            <source>Buscar y reemplazar</source>
            <translation>Find and replace</translation>
        </message>
        <message>
            <source>&amp;Cancelar</source>
            <translation>&amp;Cancel</translation>
        </message>
        <message>
            <source>Buscar / Reemplazar</source>
            <translation>Find / Replace</translation>
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
            <translation>Year</translation>
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
            <translation>The current wizard page names no next page</translation>
        </message>
    </context>
    <context>
        <name>ZCDialog</name>
        <message>
            <source>Aceptar</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancelar</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>ZCDockWidget</name>
        <message>
            <source>Docks izquierda</source>
            <translation>Left docks</translation>
        </message>
        <message>
            <source>Docks derecha</source>
            <translation>Right docks</translation>
        </message>
        <message>
            <source>Docks arriba</source>
            <translation>Top docks</translation>
        </message>
        <message>
            <source>Docks abajo</source>
            <translation>Bottom docks</translation>
        </message>
        <message>
            <source>Dock '%1' no encontrado</source>
            <translation>Dock '%1' not found</translation>
        </message>
    </context>
    <context>
        <name>ZCEditBrowserTexto</name>
        <message>
            <source>Editor de texto enriquecido</source>
            <translation>Rich text editor</translation>
        </message>
        <message>
            <source>Editor de texto</source>
            <translation>Text editor</translation>
        </message>
    </context>
    <context>
        <name>ZCEditorPopup</name>
        <message>
            <source>Aceptar</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancelar</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>ZCFlagNames</name>
        <message>
            <source>Una lista de estilos admite como mucho %1 nombres y esta tiene %2; se rechaza</source>
            <translation>A style list takes at most %1 names and this one has %2; it is refused</translation>
        </message>
    </context>
    <context>
        <name>ZCGestorNotificaciones</name>
        <message>
            <source>No hay ninguna ventana principal; se descarta la notificación "%1"</source>
            <translation>There is no main window; the notification "%1" is dropped</translation>
        </message>
    </context>
    <context>
        <name>ZCGestorTemasEstilo</name>
        <message>
            <source>Error cargando tema. %1</source>
            <translation>Error loading theme. %1</translation>
        </message>
        <message>
            <source>El elemento de la lista de temas no tiene un formato correcto</source>
            <translation>The element of the theme list does not have a correct format</translation>
        </message>
        <message>
            <source>Error. El JSON esperado no tiene el formato correcto</source>
            <translation>Error. The expected JSON does not have the correct format</translation>
        </message>
        <message>
            <source>Error. No existe ningún tema con el índice %1</source>
            <translation>Error. There is no theme with index %1</translation>
        </message>
        <message>
            <source>Error parseando el CSS: %1</source>
            <translation>Error parsing the CSS: %1</translation>
        </message>
        <message>
            <source>Refrescar</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <source>El tema "%1" ha sido recargado correctamente</source>
            <translation>The theme "%1" has been reloaded successfully</translation>
        </message>
        <message>
            <source>Error cargando tema. El fichero no existe o no puede abrirse</source>
            <translation>Error loading theme. The file does not exist or cannot be opened</translation>
        </message>
        <message>
            <source>La aplicación ya tenía una hoja de estilo propia en el primer SetTema(%1): los temas darán iconos y colores, nunca su hoja de estilo</source>
            <translation>The application already had a style sheet of its own at the first SetTema(%1): themes will supply icons and colours, never their style sheet</translation>
        </message>
        <message>
            <source>Error. El icono %1 del tema %2 no es un SVG válido: %3 (línea %4)</source>
            <translation>Error. The icon %1 of theme %2 is not a valid SVG: %3 (line %4)</translation>
        </message>
        <message>
            <source>Sin tema</source>
            <translation>No theme</translation>
            <source>No se encuentra el icono '%1' ni en el tema '%2' ni en el tema por defecto</source>
            <translation>The icon '%1' is neither in the theme '%2' nor in the default theme</translation>
        </message>
    </context>
    <context>
        <name>ZCInputDialog</name>
        <message>
            <source>ZCInputDialog: el editor del diálogo no existe</source>
            <translation>ZCInputDialog: the dialog's editor does not exist</translation>
        </message>
        <message>
            <source>ZCInputDialog: un límite del número pedido no es un número; no se pregunta</source>
            <translation>ZCInputDialog: a bound of the requested number is not a number; the prompt is not shown</translation>
        </message>
    </context>
    <context>
        <name>ZCInputPasswordDialog</name>
        <message>
            <source>Proyecto protegido</source>
            <translation>Protected project</translation>
        </message>
        <message>
            <source>Introduzca contraseña</source>
            <translation>Enter password</translation>
        </message>
    </context>
    <context>
        <name>ZCInputPasswordWidget</name>
        <message>
            <source>Introduzca contraseña</source>
            <translation>Enter password</translation>
        </message>
        <message>
            <source>Aceptar</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>ZCKeySequence</name>
        <message>
            <source>ZCKeySequence: no hay ningún atajo predefinido %1</source>
            <translation>ZCKeySequence: there is no predefined shortcut %1</translation>
        </message>
        <message>
            <source>SetShortcutToAction: la acción es nula</source>
            <translation>SetShortcutToAction: the action is null</translation>
        </message>
    </context>
    <context>
        <name>ZCListBoxString</name>
        <message>
            <source>Nuevo</source>
            <translation>New</translation>
        </message>
        <message>
            <source>Insertar</source>
            <translation>Insert</translation>
        </message>
        <message>
            <source>Editar</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Eliminar</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Subir</source>
            <translation>Move up</translation>
        </message>
        <message>
            <source>Bajar</source>
            <translation>Move down</translation>
        </message>
    </context>
    <context>
        <name>ZCMainWindow</name>
        <message>
            <source>&amp;Ver</source>
            <translation>&amp;View</translation>
        </message>
        <message>
            <source>Pantalla completa</source>
            <translation>Full screen</translation>
        </message>
        <message>
            <source>Herramientas</source>
            <translation>Toolbars</translation>
        </message>
        <message>
            <source>Personalizar</source>
            <translation>Customize</translation>
        </message>
        <message>
            <source>Estilos</source>
            <translation>Styles</translation>
        </message>
        <message>
            <source>Sistema (%1)</source>
            <translation>System (%1)</translation>
        </message>
    </context>
    <context>
        <name>ZCMedidorWidget</name>
        <message>
            <source>Se ignora un valor no finito para %1: %2</source>
            <translation>Ignoring a non-finite value for %1: %2</translation>
        </message>
    </context>
    <context>
        <name>ZCNCReportDesigner</name>
        <message>
            <source>No se ha podido imprimir el informe: %1</source>
            <translation>The report could not be printed: %1</translation>
        </message>
        <message>
            <source>No hay ninguna impresora instalada: el informe se ha guardado en %1</source>
            <translation>No printer is installed: the report was saved to %1</translation>
        </message>
    </context>
    <context>
        <name>ZCNCReportDialog</name>
        <message>
            <source>Editor de informes</source>
            <translation>Report editor</translation>
        </message>
    </context>
    <context>
        <name>ZCNotificacion</name>
        <message>
            <source>Cerrar notificación</source>
            <translation>Close notification</translation>
        </message>
    </context>
    <context>
        <name>ZCPaginadorToolbar</name>
        <message>
            <source>Registro:</source>
            <translation>Record:</translation>
        </message>
        <message>
            <source>de</source>
            <translation>of</translation>
        </message>
        <message>
            <source>Primera página</source>
            <translation>First page</translation>
        </message>
        <message>
            <source>Página anterior</source>
            <translation>Previous page</translation>
        </message>
        <message>
            <source>Página siguiente</source>
            <translation>Next page</translation>
        </message>
        <message>
            <source>Última página</source>
            <translation>Last page</translation>
        </message>
        <message>
            <source>Página</source>
            <translation>Page</translation>
        </message>
    </context>
    <context>
        <name>ZCProgressWidget</name>
        <message>
            <source>Iniciando...</source>
            <translation>Starting...</translation>
        </message>
        <message>
            <source>Calculando...</source>
            <translation>Calculating...</translation>
        </message>
        <message>
            <source>Cargando...</source>
            <translation>Loading...</translation>
        </message>
        <message>
            <source>Cancelando...</source>
            <translation>Cancelling...</translation>
        </message>
        <message>
            <source>Finalizando...</source>
            <translation>Finishing...</translation>
        </message>
    </context>
    <context>
        <name>ZCQssParser</name>
        <message>
            <source>El fichero %1 no existe o no puede abrirse</source>
            <translation>The file %1 does not exist or cannot be opened</translation>
        </message>
        <message>
            <source>Error. Directiva import mal formada: %1</source>
            <translation>Error. Malformed import directive: %1</translation>
        </message>
        <message>
            <source>Error: El fichero %1 no existe</source>
            <translation>Error: The file %1 does not exist</translation>
        </message>
        <message>
            <source>Error. Imports máximos excedidos</source>
            <translation>Error. Maximum number of imports exceeded</translation>
        </message>
        <message>
            <source>Error. Declaración de variables incorrecta. %1</source>
            <translation>Error. Wrong variable declaration. %1</translation>
        </message>
        <message>
            <source>Error. Variables sin resolver</source>
            <translation>Error. Unresolved variables</translation>
        </message>
        <message>
            <source>Error. La variable %1 no está definida previamente</source>
            <translation>Error. The variable %1 has not been defined before</translation>
        </message>
        <message>
            <source>Error. Resolviendo variables</source>
            <translation>Error. Resolving variables</translation>
        </message>
        <message>
            <source>Error. El nombre de icono %1 no es válido</source>
            <translation>Error. The icon name %1 is not valid</translation>
        </message>
        <message>
            <source>Error. El tamaño %1x%2 del icono %3 está fuera del rango de 0 a %4</source>
            <translation>Error. The size %1x%2 of icon %3 is outside the range 0 to %4</translation>
        </message>
        <message>
            <source>Error intentando generar en caché de disco el icono %1. No se ha encontrado el icono en el tema %2</source>
            <translation>Error trying to generate the icon %1 in the disk cache. The icon was not found in the theme %2</translation>
        </message>
        <message>
            <source>Error convirtiendo el icono en png: %1</source>
            <translation>Error converting the icon to png: %1</translation>
        </message>
        <message>
            <source>Error intentando escribir en disco el fichero: %1</source>
            <translation>Error trying to write the file to disk: %1</translation>
        </message>
        <message>
            <source>No se ha podido generar de manera automática el fichero de recursos: %1</source>
            <translation>The resource file could not be generated automatically: %1</translation>
        </message>
        <message>
            <source>Error. El fichero %1 no está codificado en UTF-8</source>
            <translation>Error. The file %1 is not encoded in UTF-8</translation>
        </message>
        <message>
            <source>Error. Importación circular: %1</source>
            <translation>Error. Circular import: %1</translation>
        </message>
    </context>
    <context>
        <name>ZCSVGIconEngine</name>
        <message>
            <source>No se encuentra el icono '%1' en el tema '%2'</source>
            <translation>The icon '%1' cannot be found in the theme '%2'</translation>
        </message>
    </context>
    <context>
        <name>ZCSeriesChart</name>
        <message>
            <source>La serie «%1» tiene un valor no numérico; queda fuera del total y del rango</source>
            <translation>Series "%1" has a non-numeric value; it is left out of the total and the range</translation>
        </message>
    </context>
    <context>
        <name>ZCSimpleWizard</name>
        <message>
            <source>El asistente no ha recibido la página %1</source>
            <translation>The wizard did not receive page %1</translation>
        </message>
        <message>
            <source>%1 - Paso %2 de %3</source>
            <translation>%1 - Step %2 of %3</translation>
        </message>
    </context>
    <context>
        <name>ZCTemaEstilo</name>
        <message>
            <source>Error. Falta el valor %1 en la configuración del tema</source>
            <translation>Error. The value %1 is missing from the theme configuration</translation>
        </message>
        <message>
            <source>Error. Falta el valor %1 en la configuración del tema %2</source>
            <translation>Error. The value %1 is missing from the configuration of theme %2</translation>
        </message>
        <message>
            <source>Error en la configuración del tema %1. Solo se aceptan valores de tipo String en el array de colores. Elemento %2 incorrecto</source>
            <translation>Error in the configuration of theme %1. Only String values are accepted in the colour array. Element %2 is wrong</translation>
        </message>
        <message>
            <source>Error. El valor %1 no tiene un tipo esperado en la configuración del tema %2. Valores válidos: String o Array de String</source>
            <translation>Error. The value %1 does not have an expected type in the configuration of theme %2. Valid values: String or Array of String</translation>
        </message>
        <message>
            <source>Error. El valor %1 de la configuración del tema debe ser un texto</source>
            <translation>Error. The value %1 in the theme configuration must be a string</translation>
        </message>
        <message>
            <source>Error. El valor %1 de la configuración del tema %2 debe ser un texto</source>
            <translation>Error. The value %1 in the configuration of theme %2 must be a string</translation>
        </message>
    </context>
    <context>
        <name>ZCTitleBarWidget</name>
        <message>
            <source>Ocultar automáticamente</source>
            <translation>Auto-hide</translation>
        </message>
        <message>
            <source>Flotante</source>
            <translation>Floating</translation>
        </message>
        <message>
            <source>Cerrar</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>ZCToolBar</name>
        <message>
            <source>ZCToolBar::addWidget: el widget es nulo</source>
            <translation>ZCToolBar::addWidget: the widget is null</translation>
        </message>
    </context>
    <context>
        <name>ZClockWidget</name>
        <message>
            <source>Reloj</source>
            <translation>Clock</translation>
        </message>
    </context>
    <context>
        <name>ZFont</name>
        <message>
            <source>ZFont: el valor %1 está fuera de rango para %2 y se ignora</source>
            <translation>ZFont: value %1 is out of range for %2 and is ignored</translation>
        </message>
    </context>
    <context>
        <name>ZGaugeWidget</name>
        <message>
            <source>Manómetro</source>
            <translation>Pressure gauge</translation>
        </message>
    </context>
    <context>
        <name>ZNumberSpinBox</name>
        <message>
            <source>ZNumberSpinBox: se rechaza un valor que no es un número finito</source>
            <translation>ZNumberSpinBox: a value that is not a finite number is refused</translation>
        </message>
    </context>
    <context>
        <name>ZTextEdit</name>
        <message>
            <source>&amp;Deshacer</source>
            <translation>&amp;Undo</translation>
        </message>
        <message>
            <source>&amp;Rehacer</source>
            <translation>&amp;Redo</translation>
        </message>
        <message>
            <source>Cor&amp;tar</source>
            <translation>Cu&amp;t</translation>
        </message>
        <message>
            <source>&amp;Copiar</source>
            <translation>&amp;Copy</translation>
        </message>
        <message>
            <source>&amp;Pegar</source>
            <translation>&amp;Paste</translation>
        </message>
        <message>
            <source>&amp;Negrita</source>
            <translation>&amp;Bold</translation>
        </message>
        <message>
            <source>&amp;Cursiva</source>
            <translation>&amp;Italic</translation>
        </message>
        <message>
            <source>&amp;Subrayado</source>
            <translation>&amp;Underline</translation>
        </message>
        <message>
            <source>&amp;Color...</source>
            <translation>&amp;Colour...</translation>
        </message>
        <message>
            <source>Iz&amp;quierda</source>
            <translation>&amp;Left</translation>
        </message>
        <message>
            <source>C&amp;entro</source>
            <translation>C&amp;entre</translation>
        </message>
        <message>
            <source>&amp;Derecha</source>
            <translation>&amp;Right</translation>
        </message>
        <message>
            <source>&amp;Justificado</source>
            <translation>&amp;Justify</translation>
        </message>
        <message>
            <source>&amp;Numeración</source>
            <translation>&amp;Numbering</translation>
        </message>
        <message>
            <source>&amp;Viñetas</source>
            <translation>&amp;Bullets</translation>
        </message>
        <message>
            <source>Edición</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Estilo</source>
            <translation>Style</translation>
        </message>
        <message>
            <source>Alineacion</source>
            <translation>Alignment</translation>
        </message>
        <message>
            <source>Numeración y viñetas</source>
            <translation>Numbering and bullets</translation>
        </message>
        <message>
            <source>Formato</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>Texto</source>
            <translation>Text</translation>
        </message>
        <message>
            <source>Fuente</source>
            <translation>Font</translation>
        </message>
        <message>
            <source>Tamaño</source>
            <translation>Size</translation>
        </message>
    </context>
    <context>
        <name>ZThermometerWidget</name>
        <message>
            <source>Termómetro</source>
            <translation>Thermometer</translation>
        </message>
    </context>
    <context>
        <name>ZThumbWheel</name>
        <message>
            <source>Se ignora una relación de transmisión no válida: %1</source>
            <translation>Ignoring an invalid transmission ratio: %1</translation>
        </message>
    </context>
</TS>
