// Shows the dictionary with a page of a local server and saves a picture of the screen:
// qz_dictionary_shot PROGRAM_DIR OUT.png [WIDTHxHEIGHT...] (run under a display, e.g.
// xvfb-run). With sizes, one more picture per size, OUT-WIDTHxHEIGHT.png, with the frame at it.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTime>
#include <QTimer>

#include "dictionary/internet_connection.h"
#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/web_view_loader.h"
#include "dictionary/webview/web_view_interface.h"
#include "services/platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) return 2;
  const QString programDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  const QString out = QString::fromLocal8Bit(argv[2]);
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  QObject::connect(&server, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* s = server.nextPendingConnection())
      QObject::connect(s, &QTcpSocket::readyRead, s, [s] {
        s->readAll();
        const QByteArray body =
            "<html><head><title>Lo Shu Square</title></head><body style='font-family:sans-serif;margin:24px'>"
            "<h1>Lo Shu Square</h1><p>The Lo Shu Square is the unique normal magic square of order three: every "
            "row, column and diagonal adds up to 15.</p><table border=1 cellpadding=12 style='font-size:28px'>"
            "<tr><td>4</td><td>9</td><td>2</td></tr><tr><td>3</td><td>5</td><td>7</td></tr>"
            "<tr><td>8</td><td>1</td><td>6</td></tr></table></body></html>";
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body);
        s->disconnectFromHost();
      });
  });
  platform::SetProgramFolder(programDir);
  dictionary::SetUserDataFolder(programDir + "/shot-user");
  dictionary::SetWebViewPluginFolder(programDir);
  dictionary::SetConnectionTest([] { return true; });
  // The browser opens no page of this machine: the page is shown as a public site's, whose
  // name the browser's proxy resolves to a documentation address and connects here.
  if (IWebViewFactory* factory = dictionary::WebViewFactory())
    factory->SetTestNetwork(
        [](const QString& host) { return host == "site.example" ? QStringList{"203.0.113.7"} : QStringList(); },
        [](const QString&) { return QStringLiteral("127.0.0.1"); });
  frmNumerologyDictionaryMain::instance().DictionaryLink =
      QStringLiteral("http://site.example:%1/lo-shu").arg(server.serverPort());
  frmNumerologyDictionaryMain::instance().Show();
  MDI::instance().control<QLineEdit>("txtKey")->setText("Lo Shu Square");
  QMainWindow* frame = MDI::instance().window();
  // The size of the load, within the screen.
  frame->resize(MDI::instance().DefaultSize().boundedTo(frame->screen()->availableGeometry().size()));
  frame->move(0, 0);
  QStringList sizes;
  for (int i = 3; i < argc; ++i) sizes.append(QString::fromLocal8Bit(argv[i]));
  QTimer::singleShot(6000, [&] {
    QProcess::execute("import", {"-window", "root", out});
    QString base = out;
    base.chop(4);
    for (const QString& size : sizes) {
      const QStringList wh = size.split('x');
      frame->resize(wh.value(0).toInt(), wh.value(1).toInt());
      QTime until = QTime::currentTime().addMSecs(1500);
      while (QTime::currentTime() < until) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QProcess::execute("import", {"-window", "root", base + "-" + size + ".png"});
    }
    app.quit();
  });
  return app.exec();
}
