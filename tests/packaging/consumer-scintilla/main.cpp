// A host with a code editor: the Scintilla component through its own umbrella header, QScintilla
// and the core through the component.
#include <Mirokit/MirokitScintilla.h>
#include <Mirokit/ZApplication.h>
#include <Mirokit/ZCBuscarReemplazarWidget.h>

#include <Qsci/qsciscintilla.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ZApplication application(argc, argv);
    QsciScintilla editor;
    editor.setText(QStringLiteral("uno dos uno"));
    ZCBuscarReemplazarEditorQsciScintilla adapter(&editor);
    ZCBuscarReemplazarWidget form;
    form.SetEditor(&adapter);
    const int count = adapter.ReemplazarTodos(QStringLiteral("uno"), false, false, false, QStringLiteral("tres"));
    if (count != 2 || editor.text() != QStringLiteral("tres dos tres") || form.GetEditor() != &adapter) {
        std::fputs("the Scintilla component did not work as expected\n", stderr);
        return 1;
    }
    return 0;
}
