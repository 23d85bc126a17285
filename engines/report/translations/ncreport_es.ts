<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
    <context>
        <name>NCRDBarcodePropDialog</name>
        <message>
            <source>Barcode properties</source>
            <translation>Propiedades del código de barras</translation>
        </message>
        <message>
            <source>The type code of the barcode painter</source>
            <translation>El código de tipo del pintor de códigos de barras</translation>
        </message>
        <message>
            <source>Symbology:</source>
            <translation>Simbología:</translation>
        </message>
        <message>
            <source>Data:</source>
            <translation>Datos:</translation>
        </message>
    </context>
    <context>
        <name>NCRDDataSourceDialog</name>
        <message>
            <source>Data sources</source>
            <translation>Fuentes de datos</translation>
        </message>
        <message>
            <source>Use the model's appearance</source>
            <translation>Usar el aspecto del modelo</translation>
        </message>
        <message>
            <source>Item model:</source>
            <translation>Modelo de elementos:</translation>
        </message>
        <message>
            <source>Parent data source:</source>
            <translation>Fuente de datos padre:</translation>
        </message>
        <message>
            <source>Parent reference:</source>
            <translation>Referencia al padre:</translation>
        </message>
        <message>
            <source>Key column:</source>
            <translation>Columna clave:</translation>
        </message>
    </context>
    <context>
        <name>NCRDDetailDialog</name>
        <message>
            <source>Detail properties</source>
            <translation>Propiedades del detalle</translation>
        </message>
        <message>
            <source>Id:</source>
            <translation>Id.:</translation>
        </message>
        <message>
            <source>Data source:</source>
            <translation>Fuente de datos:</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>Altura:</translation>
        </message>
    </context>
    <context>
        <name>NCRDDocument</name>
        <message>
            <source>Section or item</source>
            <translation>Sección o elemento</translation>
        </message>
        <message>
            <source>Text</source>
            <translation>Texto</translation>
        </message>
        <message>
            <source>Cannot read the file: %1</source>
            <translation>No se puede leer el archivo: %1</translation>
        </message>
        <message>
            <source>Cannot write the file: %1</source>
            <translation>No se puede escribir el archivo: %1</translation>
        </message>
        <message>
            <source>No report is open</source>
            <translation>No hay ningún informe abierto</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>Sin título</translation>
        </message>
        <message>
            <source>Report designer</source>
            <translation>Diseñador de informes</translation>
        </message>
        <message>
            <source>The report %1 has been modified.
Do you want to save your changes?</source>
            <translation>El informe %1 se ha modificado.
¿Desea guardar los cambios?</translation>
        </message>
        <message>
            <source>Properties...</source>
            <translation>Propiedades…</translation>
        </message>
        <message>
            <source>Add item</source>
            <translation>Añadir elemento</translation>
        </message>
        <message>
            <source>Label</source>
            <translation>Etiqueta</translation>
        </message>
        <message>
            <source>Field</source>
            <translation>Campo</translation>
        </message>
        <message>
            <source>Image</source>
            <translation>Imagen</translation>
        </message>
        <message>
            <source>Barcode</source>
            <translation>Código de barras</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>Línea</translation>
        </message>
        <message>
            <source>Rectangle</source>
            <translation>Rectángulo</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Quitar</translation>
        </message>
        <message>
            <source>Move up</source>
            <translation>Subir</translation>
        </message>
        <message>
            <source>Move down</source>
            <translation>Bajar</translation>
        </message>
        <message>
            <source>A detail needs a data source</source>
            <translation>Un detalle necesita una fuente de datos</translation>
        </message>
        <message>
            <source>Add section</source>
            <translation>Añadir sección</translation>
        </message>
        <message>
            <source>Group</source>
            <translation>Grupo</translation>
        </message>
        <message>
            <source>Detail</source>
            <translation>Detalle</translation>
        </message>
        <message>
            <source>Page header</source>
            <translation>Cabecera de página</translation>
        </message>
        <message>
            <source>Page footer</source>
            <translation>Pie de página</translation>
        </message>
        <message>
            <source>Outline</source>
            <translation>Esquema</translation>
        </message>
        <message>
            <source>Edit the report</source>
            <translation>Editar el informe</translation>
        </message>
        <message>
            <source>Edit the text</source>
            <translation>Editar el texto</translation>
        </message>
        <message>
            <source>Properties of %1</source>
            <translation>Propiedades de %1</translation>
        </message>
        <message>
            <source>Add %1</source>
            <translation>Añadir %1</translation>
        </message>
        <message>
            <source>Add a group</source>
            <translation>Añadir un grupo</translation>
        </message>
        <message>
            <source>Add a detail</source>
            <translation>Añadir un detalle</translation>
        </message>
        <message>
            <source>Remove %1</source>
            <translation>Quitar %1</translation>
        </message>
        <message>
            <source>Height of %1</source>
            <translation>Altura de %1</translation>
        </message>
        <message>
            <source>Move to %1</source>
            <translation>Mover a %1</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>Bring to front</source>
            <translation>Traer al frente</translation>
        </message>
        <message>
            <source>Send to back</source>
            <translation>Enviar al fondo</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Pegar</translation>
        </message>
        <message>
            <source>Duplicate</source>
            <translation>Duplicar</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Vista</translation>
        </message>
        <message>
            <source>Page</source>
            <translation>Página</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>Seleccionar</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Edición</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>Cortar</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>Select all in the band</source>
            <translation>Seleccionar todo en la banda</translation>
        </message>
        <message>
            <source>Align</source>
            <translation>Alinear</translation>
        </message>
        <message>
            <source>Align left edges</source>
            <translation>Alinear bordes izquierdos</translation>
        </message>
        <message>
            <source>Align right edges</source>
            <translation>Alinear bordes derechos</translation>
        </message>
        <message>
            <source>Align top edges</source>
            <translation>Alinear bordes superiores</translation>
        </message>
        <message>
            <source>Align bottom edges</source>
            <translation>Alinear bordes inferiores</translation>
        </message>
        <message>
            <source>Align centres horizontally</source>
            <translation>Centrar horizontalmente</translation>
        </message>
        <message>
            <source>Align centres vertically</source>
            <translation>Centrar verticalmente</translation>
        </message>
        <message>
            <source>Same width</source>
            <translation>Mismo ancho</translation>
        </message>
        <message>
            <source>Same height</source>
            <translation>Misma altura</translation>
        </message>
        <message>
            <source>Distribute horizontally</source>
            <translation>Distribuir horizontalmente</translation>
        </message>
        <message>
            <source>Distribute vertically</source>
            <translation>Distribuir verticalmente</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <translation>Acercar</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Alejar</translation>
        </message>
        <message>
            <source>Fit width</source>
            <translation>Ajustar al ancho</translation>
        </message>
        <message>
            <source>Fit page</source>
            <translation>Ajustar a la página</translation>
        </message>
        <message>
            <source>Snap to grid</source>
            <translation>Ajustar a la cuadrícula</translation>
        </message>
        <message>
            <source>Grid step</source>
            <translation>Paso de la cuadrícula</translation>
        </message>
        <message>
            <source>Set %1</source>
            <translation>Cambiar %1</translation>
        </message>
        <message>
            <source>the text</source>
            <translation>el texto</translation>
        </message>
        <message>
            <source>Add fields</source>
            <translation>Añadir campos</translation>
        </message>
        <message>
            <source>Report header</source>
            <translation>Cabecera del informe</translation>
        </message>
        <message>
            <source>Report footer</source>
            <translation>Pie del informe</translation>
        </message>
        <message>
            <source>Edit the data sources</source>
            <translation>Editar los orígenes de datos</translation>
        </message>
        <message>
            <source>Edit the variables</source>
            <translation>Editar las variables</translation>
        </message>
        <message>
            <source>Add the group's header</source>
            <translation>Añadir la cabecera del grupo</translation>
        </message>
        <message>
            <source>Add the group's footer</source>
            <translation>Añadir el pie del grupo</translation>
        </message>
        <message>
            <source>Remove the group's header</source>
            <translation>Quitar la cabecera del grupo</translation>
        </message>
        <message>
            <source>Remove the group's footer</source>
            <translation>Quitar el pie del grupo</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>Secciones</translation>
        </message>
    </context>
    <context>
        <name>NCRDFieldPropDialog</name>
        <message>
            <source>Field properties</source>
            <translation>Propiedades del campo</translation>
        </message>
    </context>
    <context>
        <name>NCRDGraphPropDialog</name>
        <message>
            <source>Graphic properties</source>
            <translation>Propiedades del gráfico</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> mm</translation>
        </message>
        <message>
            <source>Thinnest</source>
            <translation>La más fina</translation>
        </message>
        <message>
            <source>black</source>
            <translation>negro</translation>
        </message>
        <message>
            <source>Line width:</source>
            <translation>Grosor de línea:</translation>
        </message>
        <message>
            <source>Colour:</source>
            <translation>Color:</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ninguno</translation>
        </message>
        <message>
            <source>Fill:</source>
            <translation>Relleno:</translation>
        </message>
    </context>
    <context>
        <name>NCRDGroupDialog</name>
        <message>
            <source>Group properties</source>
            <translation>Propiedades del grupo</translation>
        </message>
        <message>
            <source>Id:</source>
            <translation>Id.:</translation>
        </message>
        <message>
            <source>Expression:</source>
            <translation>Expresión:</translation>
        </message>
        <message>
            <source>Header height:</source>
            <translation>Altura de la cabecera:</translation>
        </message>
        <message>
            <source>Footer height:</source>
            <translation>Altura del pie:</translation>
        </message>
    </context>
    <context>
        <name>NCRDImagePropDialog</name>
        <message>
            <source>Image properties</source>
            <translation>Propiedades de la imagen</translation>
        </message>
        <message>
            <source>A file, or a resource such as :/logo.png</source>
            <translation>Un archivo, o un recurso como :/logo.png</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Archivo:</translation>
        </message>
    </context>
    <context>
        <name>NCRDMainWindow</name>
        <message>
            <source>Report designer</source>
            <translation>Diseñador de informes</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Abrir...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Guardar</translation>
        </message>
        <message>
            <source>Save &amp;as...</source>
            <translation>Guardar &amp;como...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Imprimir...</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Cerrar</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>No report is open</source>
            <translation>No hay ningún informe abierto</translation>
        </message>
        <message>
            <source>Open report</source>
            <translation>Abrir informe</translation>
        </message>
        <message>
            <source>Reports (*.xml);;All files (*)</source>
            <translation>Informes (*.xml);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>Save report</source>
            <translation>Guardar informe</translation>
        </message>
        <message>
            <source>&amp;Data sources...</source>
            <translation>&amp;Fuentes de datos...</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Informe</translation>
        </message>
        <message>
            <source>&amp;Variables...</source>
            <translation>&amp;Variables...</translation>
        </message>
        <message>
            <source>No printer is installed, and the report has no file to write the PDF beside</source>
            <translation>No hay ninguna impresora instalada y el informe no tiene un archivo junto al que guardar el PDF</translation>
        </message>
        <message>
            <source>No printer is installed: the report was written to %1</source>
            <translation>No hay ninguna impresora instalada: el informe se ha guardado en %1</translation>
        </message>
        <message>
            <source>Send by &amp;e-mail...</source>
            <translation>Enviar por &amp;correo...</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Edición</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Deshacer</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Rehacer</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Historial</translation>
        </message>
        <message>
            <source>&lt;opened&gt;</source>
            <translation>&lt;abierto&gt;</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ver</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Datos</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Propiedades</translation>
        </message>
        <message>
            <source>Pre&amp;view</source>
            <translation>&amp;Vista previa</translation>
        </message>
        <message>
            <source>The report has no file to write the preview beside</source>
            <translation>El informe no tiene archivo junto al que escribir la vista previa</translation>
        </message>
        <message>
            <source>The preview was written to %1</source>
            <translation>La vista previa se escribió en %1</translation>
        </message>
    </context>
    <context>
        <name>NCRDPropertyDialog</name>
        <message>
            <source>Static text</source>
            <translation>Texto fijo</translation>
        </message>
        <message>
            <source>Data source</source>
            <translation>Fuente de datos</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parámetro</translation>
        </message>
        <message>
            <source>Variable</source>
            <translation>Variable</translation>
        </message>
        <message>
            <source>Template</source>
            <translation>Plantilla</translation>
        </message>
        <message>
            <source>Source type:</source>
            <translation>Tipo de origen:</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> mm</translation>
        </message>
        <message>
            <source>X1:</source>
            <translation>X1:</translation>
        </message>
        <message>
            <source>X:</source>
            <translation>X:</translation>
        </message>
        <message>
            <source>Y1:</source>
            <translation>Y1:</translation>
        </message>
        <message>
            <source>Y:</source>
            <translation>Y:</translation>
        </message>
        <message>
            <source>X2:</source>
            <translation>X2:</translation>
        </message>
        <message>
            <source>Width:</source>
            <translation>Anchura:</translation>
        </message>
        <message>
            <source>Y2:</source>
            <translation>Y2:</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>Altura:</translation>
        </message>
        <message>
            <source>Print when:</source>
            <translation>Imprimir cuando:</translation>
        </message>
        <message>
            <source>Always</source>
            <translation>Siempre</translation>
        </message>
        <message>
            <source>Never</source>
            <translation>Nunca</translation>
        </message>
        <message>
            <source>New page when:</source>
            <translation>Página nueva cuando:</translation>
        </message>
    </context>
    <context>
        <name>NCRDSectionDialog</name>
        <message>
            <source>Section properties</source>
            <translation>Propiedades de la sección</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>Altura:</translation>
        </message>
    </context>
    <context>
        <name>NCRDTextPropDialog</name>
        <message>
            <source>Text properties</source>
            <translation>Propiedades del texto</translation>
        </message>
        <message>
            <source>Text:</source>
            <translation>Texto:</translation>
        </message>
    </context>
    <context>
        <name>NCRDVariableDialog</name>
        <message>
            <source>Variables</source>
            <translation>Variables</translation>
        </message>
        <message>
            <source>Id</source>
            <translation>Id</translation>
        </message>
        <message>
            <source>Expression</source>
            <translation>Expresión</translation>
        </message>
        <message>
            <source>Function</source>
            <translation>Función</translation>
        </message>
        <message>
            <source>Reset by group</source>
            <translation>Reiniciar por grupo</translation>
        </message>
    </context>
    <context>
        <name>NCReport</name>
        <message>
            <source>No report file or report text is given</source>
            <translation>No se ha indicado ningún archivo ni texto de informe</translation>
        </message>
        <message>
            <source>The report is already running</source>
            <translation>El informe ya se está ejecutando</translation>
        </message>
    </context>
    <context>
        <name>NCReportDirector</name>
        <message>
            <source>There is no report definition</source>
            <translation>No hay definición de informe</translation>
        </message>
        <message>
            <source>The output cannot be finished: %1</source>
            <translation>No se puede terminar la salida: %1</translation>
        </message>
        <message>
            <source>The detail %1 uses the unknown data source %2</source>
            <translation>El detalle %1 usa la fuente de datos desconocida %2</translation>
        </message>
        <message>
            <source>The data source %1 cannot be opened: %2</source>
            <translation>No se puede abrir la fuente de datos %1: %2</translation>
        </message>
        <message>
            <source>Cannot start page %1: %2</source>
            <translation>No se puede empezar la página %1: %2</translation>
        </message>
        <message>
            <source>The detail %1 is sorted by %2, a column its data source %3 does not have</source>
            <translation>El detalle %1 se ordena por %2, una columna que su origen de datos %3 no tiene</translation>
        </message>
    </context>
    <context>
        <name>NCReportEvaluator</name>
        <message>
            <source>The data source %1 has no column %2</source>
            <translation>El origen de datos %1 no tiene la columna %2</translation>
        </message>
    </context>
    <context>
        <name>NCReportExport</name>
        <message>
            <source>Cannot write %1: %2</source>
            <translation>No se puede escribir %1: %2</translation>
        </message>
        <message>
            <source>the folder does not exist</source>
            <translation>la carpeta no existe</translation>
        </message>
        <message>
            <source>the workbook cannot be made</source>
            <translation>no se puede crear el libro</translation>
        </message>
        <message>
            <source>the file cannot be put in place</source>
            <translation>no se puede colocar el archivo en su sitio</translation>
        </message>
        <message>
            <source>the folder cannot be made</source>
            <translation>no se puede crear la carpeta</translation>
        </message>
        <message>
            <source>the page cannot be drawn</source>
            <translation>no se puede dibujar la página</translation>
        </message>
    </context>
    <context>
        <name>NCReportImageOutput</name>
        <message>
            <source>The page is too large for an image at %1 dpi</source>
            <translation>La página es demasiado grande para una imagen a %1 ppp</translation>
        </message>
        <message>
            <source>The pages at %1 dpi need more memory than a preview keeps (%2 MiB): ask for fewer pages</source>
            <translation>Las páginas a %1 ppp necesitan más memoria de la que guarda una vista previa (%2 MiB): pida menos páginas</translation>
        </message>
    </context>
    <context>
        <name>NCReportItemModelDataSource</name>
        <message>
            <source>No item model is registered as "%1"</source>
            <translation>No hay ningún modelo de elementos registrado como «%1»</translation>
        </message>
    </context>
    <context>
        <name>NCReportPagedOutput</name>
        <message>
            <source>The device does not accept the page layout</source>
            <translation>El dispositivo no acepta el formato de página</translation>
        </message>
        <message>
            <source>Cannot paint on the device</source>
            <translation>No se puede pintar en el dispositivo</translation>
        </message>
        <message>
            <source>Cannot start a new page</source>
            <translation>No se puede empezar una página nueva</translation>
        </message>
    </context>
    <context>
        <name>NCReportPreviewWindow</name>
        <message>
            <source>Report preview</source>
            <translation>Vista previa del informe</translation>
        </message>
        <message>
            <source>Print…</source>
            <translation>Imprimir…</translation>
        </message>
        <message>
            <source>PDF…</source>
            <translation>PDF…</translation>
        </message>
        <message>
            <source>Find…</source>
            <translation>Buscar…</translation>
        </message>
        <message>
            <source>Find next</source>
            <translation>Buscar siguiente</translation>
        </message>
        <message>
            <source>Find previous</source>
            <translation>Buscar anterior</translation>
        </message>
        <message>
            <source>First page</source>
            <translation>Primera página</translation>
        </message>
        <message>
            <source>Previous page</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Next page</source>
            <translation>Página siguiente</translation>
        </message>
        <message>
            <source>Last page</source>
            <translation>Última página</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <translation>Ampliar</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Reducir</translation>
        </message>
        <message>
            <source>Fit width</source>
            <translation>Ajustar al ancho</translation>
        </message>
        <message>
            <source>Fit page</source>
            <translation>Ajustar a la página</translation>
        </message>
        <message>
            <source>Continuous</source>
            <translation>Continuo</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Vista previa</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Find</source>
            <translation>Buscar</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Edición</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ver</translation>
        </message>
        <message>
            <source>&amp;Go</source>
            <translation>&amp;Ir</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Thumbnails</source>
            <translation>Miniaturas</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Página %1 de %2</translation>
        </message>
        <message>
            <source>Laying out the report…</source>
            <translation>Componiendo el informe…</translation>
        </message>
        <message>
            <source>Pages laid out: %1</source>
            <translation>Páginas compuestas: %1</translation>
        </message>
        <message>
            <source>Pages: %1</source>
            <translation>Páginas: %1</translation>
        </message>
        <message>
            <source>Cancelled: the pages laid out so far are shown</source>
            <translation>Cancelado: se muestran las páginas compuestas hasta ahora</translation>
        </message>
        <message>
            <source>No matches</source>
            <translation>Sin coincidencias</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 de %2</translation>
        </message>
        <message>
            <source>Sent to the printer</source>
            <translation>Enviado a la impresora</translation>
        </message>
        <message>
            <source>The printer refused the pages</source>
            <translation>La impresora rechazó las páginas</translation>
        </message>
        <message>
            <source>There are no pages to export</source>
            <translation>No hay páginas que exportar</translation>
        </message>
        <message>
            <source>Cannot write %1: %2</source>
            <translation>No se puede escribir %1: %2</translation>
        </message>
        <message>
            <source>the pages cannot be painted</source>
            <translation>no se pueden dibujar las páginas</translation>
        </message>
        <message>
            <source>Saved to %1</source>
            <translation>Guardado en %1</translation>
        </message>
        <message>
            <source>Export to PDF</source>
            <translation>Exportar a PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Archivos PDF (*.pdf)</translation>
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
            <translation>Carpeta para las páginas SVG</translation>
        </message>
        <message>
            <source>HTML files (*.html)</source>
            <translation>Archivos HTML (*.html)</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Archivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>Excel workbooks (*.xlsx)</source>
            <translation>Libros de Excel (*.xlsx)</translation>
        </message>
        <message>
            <source>Send by e-mail…</source>
            <translation>Enviar por correo…</translation>
        </message>
        <message>
            <source>Counting the pages…</source>
            <translation>Contando las páginas…</translation>
        </message>
    </context>
    <context>
        <name>NCReportRecordingOutput</name>
        <message>
            <source>The run was cancelled</source>
            <translation>Se canceló la ejecución</translation>
        </message>
    </context>
    <context>
        <name>NCReportSectionPainter</name>
        <message>
            <source>The condition %1 cannot be evaluated</source>
            <translation>No se puede evaluar la condición %1</translation>
        </message>
    </context>
    <context>
        <name>NCReportSqlDataSource</name>
        <message>
            <source>Cannot open the database %1: %2</source>
            <translation>No se puede abrir la base de datos %1: %2</translation>
        </message>
        <message>
            <source>The database connection "%1" is not open</source>
            <translation>La conexión de base de datos «%1» no está abierta</translation>
        </message>
        <message>
            <source>The query cannot be prepared: %1</source>
            <translation>No se puede preparar la consulta: %1</translation>
        </message>
        <message>
            <source>The query uses the unknown parameter %1</source>
            <translation>La consulta usa el parámetro desconocido %1</translation>
        </message>
        <message>
            <source>The query failed: %1</source>
            <translation>La consulta ha fallado: %1</translation>
        </message>
        <message>
            <source>The query of the data source %1 has a $P{ without its closing brace</source>
            <translation>La consulta del origen de datos %1 tiene un $P{ sin su llave de cierre</translation>
        </message>
    </context>
    <context>
        <name>NCReportTableDataSource</name>
        <message>
            <source>it does not exist</source>
            <translation>no existe</translation>
        </message>
        <message>
            <source>it is not a regular file</source>
            <translation>no es un archivo normal</translation>
        </message>
        <message>
            <source>Cannot read the file %1: %2</source>
            <translation>No se puede leer el archivo %1: %2</translation>
        </message>
    </context>
    <context>
        <name>NCReportXMLDataSource</name>
        <message>
            <source>Line %1: %2</source>
            <translation>Línea %1: %2</translation>
        </message>
        <message>
            <source>The XML data has too many values: at most %1 can be read</source>
            <translation>Los datos XML tienen demasiados valores: se pueden leer como mucho %1</translation>
        </message>
    </context>
    <context>
        <name>NCReportXMLDefReader</name>
        <message>
            <source>The document is not a report: &lt;%1&gt;</source>
            <translation>El documento no es un informe: &lt;%1&gt;</translation>
        </message>
        <message>
            <source>The document is empty</source>
            <translation>El documento está vacío</translation>
        </message>
        <message>
            <source>Unknown element &lt;%1&gt;</source>
            <translation>Elemento desconocido &lt;%1&gt;</translation>
        </message>
        <message>
            <source>The attribute %1 is missing</source>
            <translation>Falta el atributo %1</translation>
        </message>
        <message>
            <source>The attribute %1 is not a valid number: %2</source>
            <translation>El atributo %1 no es un número válido: %2</translation>
        </message>
        <message>
            <source>The attribute %1 is not a whole number: %2</source>
            <translation>El atributo %1 no es un número entero: %2</translation>
        </message>
        <message>
            <source>Unknown page size %1</source>
            <translation>Tamaño de página desconocido %1</translation>
        </message>
        <message>
            <source>Unknown orientation %1</source>
            <translation>Orientación desconocida %1</translation>
        </message>
        <message>
            <source>The margins leave no room on the page</source>
            <translation>Los márgenes no dejan espacio en la página</translation>
        </message>
        <message>
            <source>Unknown data source type %1</source>
            <translation>Tipo de fuente de datos desconocido %1</translation>
        </message>
        <message>
            <source>The data source %1 is defined twice</source>
            <translation>La fuente de datos %1 está definida dos veces</translation>
        </message>
        <message>
            <source>The delimiter must be one character: %1</source>
            <translation>El delimitador debe ser un solo carácter: %1</translation>
        </message>
        <message>
            <source>Unknown variable function %1</source>
            <translation>Función de variable desconocida %1</translation>
        </message>
        <message>
            <source>The variable %1 is defined twice</source>
            <translation>La variable %1 está definida dos veces</translation>
        </message>
        <message>
            <source>A section cannot have a negative height</source>
            <translation>Una sección no puede tener altura negativa</translation>
        </message>
        <message>
            <source>The group %1 is defined twice</source>
            <translation>El grupo %1 está definido dos veces</translation>
        </message>
        <message>
            <source>An item cannot have a negative size</source>
            <translation>Un elemento no puede tener tamaño negativo</translation>
        </message>
        <message>
            <source>The font size must be between 0 and 1000 points</source>
            <translation>El tamaño de letra debe estar entre 0 y 1000 puntos</translation>
        </message>
        <message>
            <source>A line cannot have a negative width</source>
            <translation>Una línea no puede tener grosor negativo</translation>
        </message>
        <message>
            <source>The attribute %1 is not a colour: %2</source>
            <translation>El atributo %1 no es un color: %2</translation>
        </message>
        <message>
            <source>Unknown alignment %1</source>
            <translation>Alineación desconocida %1</translation>
        </message>
        <message>
            <source>Unknown item source %1</source>
            <translation>Origen de elemento desconocido %1</translation>
        </message>
        <message>
            <source>The detail %1 uses the unknown data source %2</source>
            <translation>El detalle %1 usa la fuente de datos desconocida %2</translation>
        </message>
        <message>
            <source>The variable %1 is reset by the unknown group %2</source>
            <translation>La variable %1 se reinicia con el grupo desconocido %2</translation>
        </message>
        <message>
            <source>Cannot read the file: %1</source>
            <translation>No se puede leer el archivo: %1</translation>
        </message>
        <message>
            <source>Unknown locale %1</source>
            <translation>Configuración regional desconocida: %1</translation>
        </message>
        <message>
            <source>Unknown format %1</source>
            <translation>Formato desconocido: %1</translation>
        </message>
        <message>
            <source>The decimals must be between 0 and %1</source>
            <translation>Los decimales deben estar entre 0 y %1</translation>
        </message>
        <message>
            <source>The date format %1 shows nothing of the date</source>
            <translation>El formato de fecha %1 no muestra nada de la fecha</translation>
        </message>
        <message>
            <source>The sort %1 names no column in one of its entries</source>
            <translation>La ordenación %1 no nombra ninguna columna en una de sus entradas</translation>
        </message>
        <message>
            <source>The detail %1 is sorted by %2 columns, more than its data source %3 has (%4)</source>
            <translation>El detalle %1 se ordena por %2 columnas, más de las que tiene su origen de datos %3 (%4)</translation>
        </message>
    </context>
    <context>
        <name>NCReportMailer</name>
        <message>
            <source>"%1" is not a valid e-mail address</source>
            <translation>"%1" no es una dirección de correo válida</translation>
        </message>
        <message>
            <source>The message has no sender</source>
            <translation>El mensaje no tiene remitente</translation>
        </message>
        <message>
            <source>The message has no recipient</source>
            <translation>El mensaje no tiene destinatario</translation>
        </message>
        <message>
            <source>The attachment %1 cannot be read: %2</source>
            <translation>No se puede leer el adjunto %1: %2</translation>
        </message>
        <message>
            <source>No report is given to attach</source>
            <translation>No se ha indicado ningún informe que adjuntar</translation>
        </message>
        <message>
            <source>The report engine cannot write reports as %1; attach them as PDF</source>
            <translation>El motor de informes no puede generar informes en %1; adjúntelos en PDF</translation>
        </message>
        <message>
            <source>No temporary folder for the report: %1</source>
            <translation>No hay carpeta temporal para el informe: %1</translation>
        </message>
        <message>
            <source>The report's output cannot be read: %1</source>
            <translation>No se puede leer el resultado del informe: %1</translation>
        </message>
        <message>
            <source>No mail server is given</source>
            <translation>No se ha indicado ningún servidor de correo</translation>
        </message>
        <message>
            <source>Sending through %1 was cancelled</source>
            <translation>Se canceló el envío a través de %1</translation>
        </message>
        <message>
            <source>"%1" is not the name of a mail server</source>
            <translation>"%1" no es el nombre de un servidor de correo</translation>
        </message>
        <message>
            <source>The mail server %1 did not answer within %2 seconds</source>
            <translation>El servidor de correo %1 no respondió en %2 segundos</translation>
        </message>
        <message>
            <source>The mail server %1 offers no way to log in that can be used here</source>
            <translation>El servidor de correo %1 no ofrece ninguna forma de iniciar sesión que se pueda usar aquí</translation>
        </message>
        <message>
            <source>The mail server %1 refused the connection (%2)</source>
            <translation>El servidor de correo %1 rechazó la conexión (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 refused to encrypt the connection; the message was not sent unencrypted (%2)</source>
            <translation>El servidor de correo %1 se negó a cifrar la conexión; el mensaje no se envió sin cifrar (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 refused the user name or password (%2)</source>
            <translation>El servidor de correo %1 rechazó el usuario o la contraseña (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 requires logging in (%2)</source>
            <translation>El servidor de correo %1 exige iniciar sesión (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 refused the sender %2 (%3)</source>
            <translation>El servidor de correo %1 rechazó el remitente %2 (%3)</translation>
        </message>
        <message>
            <source>The mail server %1 refused the recipient %2 (%3)</source>
            <translation>El servidor de correo %1 rechazó el destinatario %2 (%3)</translation>
        </message>
        <message>
            <source>The mail server %1 refused the message (%2)</source>
            <translation>El servidor de correo %1 rechazó el mensaje (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 answered with an error (%2)</source>
            <translation>El servidor de correo %1 respondió con un error (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 refused the message as too large (%2)</source>
            <translation>El servidor de correo %1 rechazó el mensaje por ser demasiado grande (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 was not found</source>
            <translation>No se encontró el servidor de correo %1</translation>
        </message>
        <message>
            <source>The mail server %1 refused the connection or cannot be reached</source>
            <translation>El servidor de correo %1 rechazó la conexión o no es accesible</translation>
        </message>
        <message>
            <source>The mail server %1 does not offer encryption (STARTTLS); the message was not sent unencrypted</source>
            <translation>El servidor de correo %1 no ofrece cifrado (STARTTLS); el mensaje no se envió sin cifrar</translation>
        </message>
        <message>
            <source>The certificate of the mail server %1 is not trusted (%2)</source>
            <translation>El certificado del servidor de correo %1 no es de confianza (%2)</translation>
        </message>
        <message>
            <source>The encrypted connection to the mail server %1 failed (%2)</source>
            <translation>Falló la conexión cifrada con el servidor de correo %1 (%2)</translation>
        </message>
        <message>
            <source>The mail server %1 closed the connection before the message was sent</source>
            <translation>El servidor de correo %1 cerró la conexión antes de que se enviara el mensaje</translation>
        </message>
        <message>
            <source>Sending through the mail server %1 failed (%2)</source>
            <translation>Falló el envío a través del servidor de correo %1 (%2)</translation>
        </message>
        <message>
            <source>A message is already being sent</source>
            <translation>Ya se está enviando un mensaje</translation>
        </message>
    </context>
    <context>
        <name>NCRDMailDialog</name>
        <message>
            <source>Accept a certificate the system does not trust</source>
            <translation>Aceptar un certificado en el que el sistema no confía</translation>
        </message>
        <message>
            <source>Send by e-mail</source>
            <translation>Enviar por correo</translation>
        </message>
        <message>
            <source>name@example.com, another@example.com</source>
            <translation>nombre@ejemplo.com, otro@ejemplo.com</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ninguno</translation>
        </message>
        <message>
            <source>&amp;To:</source>
            <translation>&amp;Para:</translation>
        </message>
        <message>
            <source>&amp;Cc:</source>
            <translation>&amp;CC:</translation>
        </message>
        <message>
            <source>&amp;Subject:</source>
            <translation>&amp;Asunto:</translation>
        </message>
        <message>
            <source>&amp;Message:</source>
            <translation>&amp;Mensaje:</translation>
        </message>
        <message>
            <source>&amp;Attach as:</source>
            <translation>Ad&amp;juntar como:</translation>
        </message>
        <message>
            <source>Mail server</source>
            <translation>Servidor de correo</translation>
        </message>
        <message>
            <source>&amp;From:</source>
            <translation>&amp;De:</translation>
        </message>
        <message>
            <source>Se&amp;rver:</source>
            <translation>Se&amp;rvidor:</translation>
        </message>
        <message>
            <source>&amp;Port:</source>
            <translation>Puer&amp;to:</translation>
        </message>
        <message>
            <source>&amp;Encryption:</source>
            <translation>Ci&amp;frado:</translation>
        </message>
        <message>
            <source>&amp;User:</source>
            <translation>&amp;Usuario:</translation>
        </message>
        <message>
            <source>Pass&amp;word:</source>
            <translation>Contrase&amp;ña:</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Enviar</translation>
        </message>
        <message>
            <source>Sending to %1: %2%</source>
            <translation>Enviando a %1: %2%</translation>
        </message>
        <message>
            <source>The report was sent to %1</source>
            <translation>El informe se envió a %1</translation>
        </message>
        <message>
            <source>The report could not be sent</source>
            <translation>No se pudo enviar el informe</translation>
        </message>
        <message>
            <source>Sending to %1...</source>
            <translation>Enviando a %1...</translation>
        </message>
    </context>
    <context>
        <name>NCRDCanvas</name>
        <message>
            <source>Page header</source>
            <translation>Cabecera de página</translation>
        </message>
        <message>
            <source>Report header</source>
            <translation>Cabecera del informe</translation>
        </message>
        <message>
            <source>Group header</source>
            <translation>Cabecera de grupo</translation>
        </message>
        <message>
            <source>Detail</source>
            <translation>Detalle</translation>
        </message>
        <message>
            <source>Group footer</source>
            <translation>Pie de grupo</translation>
        </message>
        <message>
            <source>Report footer</source>
            <translation>Pie del informe</translation>
        </message>
        <message>
            <source>Page footer</source>
            <translation>Pie de página</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>Mover</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Cambiar tamaño</translation>
        </message>
        <message>
            <source>Align</source>
            <translation>Alinear</translation>
        </message>
    </context>
    <context>
        <name>NCRDCanvasView</name>
        <message>
            <source>Report page</source>
            <translation>Página del informe</translation>
        </message>
    </context>
    <context>
        <name>NCRDPropertyPanel</name>
        <message>
            <source>Properties</source>
            <translation>Propiedades</translation>
        </message>
        <message>
            <source>%1 items</source>
            <translation>%1 elementos</translation>
        </message>
        <message>
            <source>Text or expression</source>
            <translation>Texto o expresión</translation>
        </message>
        <message>
            <source>(several values)</source>
            <translation>(varios valores)</translation>
        </message>
        <message>
            <source>Header</source>
            <translation>Cabecera</translation>
        </message>
        <message>
            <source>Footer</source>
            <translation>Pie</translation>
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
            <translation>Ancho</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Alto</translation>
        </message>
        <message>
            <source>Start x</source>
            <translation>X inicial</translation>
        </message>
        <message>
            <source>Start y</source>
            <translation>Y inicial</translation>
        </message>
        <message>
            <source>End x</source>
            <translation>X final</translation>
        </message>
        <message>
            <source>End y</source>
            <translation>Y final</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Fuente</translation>
        </message>
        <message>
            <source>Font size</source>
            <translation>Tamaño de fuente</translation>
        </message>
        <message>
            <source>Bold</source>
            <translation>Negrita</translation>
        </message>
        <message>
            <source>Italic</source>
            <translation>Cursiva</translation>
        </message>
        <message>
            <source>Alignment</source>
            <translation>Alineación</translation>
        </message>
        <message>
            <source>Colour</source>
            <translation>Color</translation>
        </message>
        <message>
            <source>Fill</source>
            <translation>Relleno</translation>
        </message>
        <message>
            <source>Line width</source>
            <translation>Grosor de línea</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Origen</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Formato</translation>
        </message>
        <message>
            <source>Decimals</source>
            <translation>Decimales</translation>
        </message>
        <message>
            <source>Date format</source>
            <translation>Formato de fecha</translation>
        </message>
        <message>
            <source>Print when</source>
            <translation>Imprimir cuando</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>Barcode type</source>
            <translation>Tipo de código de barras</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Page size</source>
            <translation>Tamaño de página</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Orientación</translation>
        </message>
        <message>
            <source>Left margin</source>
            <translation>Margen izquierdo</translation>
        </message>
        <message>
            <source>Top margin</source>
            <translation>Margen superior</translation>
        </message>
        <message>
            <source>Right margin</source>
            <translation>Margen derecho</translation>
        </message>
        <message>
            <source>Bottom margin</source>
            <translation>Margen inferior</translation>
        </message>
        <message>
            <source>Locale</source>
            <translation>Configuración regional</translation>
        </message>
        <message>
            <source>Id</source>
            <translation>Id</translation>
        </message>
        <message>
            <source>Data source</source>
            <translation>Origen de datos</translation>
        </message>
        <message>
            <source>Sort</source>
            <translation>Orden</translation>
        </message>
        <message>
            <source>Page break when</source>
            <translation>Salto de página cuando</translation>
        </message>
        <message>
            <source>Expression</source>
            <translation>Expresión</translation>
        </message>
        <message>
            <source>Portrait</source>
            <translation>Vertical</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Horizontal</translation>
        </message>
        <message>
            <source>(as it comes)</source>
            <translation>(tal cual)</translation>
        </message>
        <message>
            <source>(by kind)</source>
            <translation>(según el tipo)</translation>
        </message>
        <message>
            <source> pt</source>
            <translation> pt</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> mm</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Izquierda</translation>
        </message>
        <message>
            <source>Centre</source>
            <translation>Centro</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Derecha</translation>
        </message>
        <message>
            <source>Top</source>
            <translation>Arriba</translation>
        </message>
        <message>
            <source>Middle</source>
            <translation>En medio</translation>
        </message>
        <message>
            <source>Bottom</source>
            <translation>Abajo</translation>
        </message>
        <message>
            <source>Horizontal alignment</source>
            <translation>Alineación horizontal</translation>
        </message>
        <message>
            <source>Vertical alignment</source>
            <translation>Alineación vertical</translation>
        </message>
    </context>
    <context>
        <name>NCRDDataPanel</name>
        <message>
            <source>Data</source>
            <translation>Datos</translation>
        </message>
        <message>
            <source>Data sources</source>
            <translation>Orígenes de datos</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parámetros</translation>
        </message>
        <message>
            <source>Variables</source>
            <translation>Variables</translation>
        </message>
    </context>
    <context>
        <name>NCRDRuler</name>
        <message>
            <source>Horizontal ruler</source>
            <translation>Regla horizontal</translation>
        </message>
        <message>
            <source>Vertical ruler</source>
            <translation>Regla vertical</translation>
        </message>
    </context>
</TS>
