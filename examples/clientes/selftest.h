#pragma once

#include <QString>

class ClientesWindow;

/*!
    The program driving itself as a user would: it searches for "ibanez", edits the customer
    found, moves through the pages, prints the report to PDF and reads the PDF back with
    pdftotext. Each check prints a line; the run fails when any of them does. A picture of the
    window is left beside the PDF (clientes.png).
*/
class SelfTest
{
public:
    SelfTest(ClientesWindow& window, const QString& folder);

    //! 0 when every check holds, 1 otherwise.
    int Run();

private:
    void check(bool holds, const QString& what);
    void checksTheCoreAlone();
    void searchesWithoutAccents();
    void editsTheCustomerFound();
    void turnsThePages();
    void printsTheReport();
    QString pdfText(const QString& fileName);

    ClientesWindow& m_window;
    QString m_folder;
    int m_failures = 0;
    int m_edited = -1; // the model row the form saved
};
