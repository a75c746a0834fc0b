// A harness as a plain program: each file of the corpus directories (or the files) given goes once
// through LLVMFuzzerTestOneInput, as libFuzzer replays a corpus, without libFuzzer. A harness that
// aborts fails the run; so does an empty corpus, which would prove nothing.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    int prehrano = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo cesta(QFile::decodeName(argv[i]));
        const QFileInfoList soubory = cesta.isDir() ? QDir(cesta.filePath()).entryInfoList(QDir::Files, QDir::Name)
                                                    : QFileInfoList{cesta};
        for (const QFileInfo &soubor : soubory) {
            QFile f(soubor.filePath());
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(f.fileName()), qPrintable(f.errorString()));
                return 1;
            }
            const QByteArray bajty = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bajty.constData()), size_t(bajty.size()));
            ++prehrano;
        }
    }
    std::printf("%d inputs replayed\n", prehrano);
    return prehrano > 0 ? 0 : 1;
}
