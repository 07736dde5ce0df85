// Reads the PNG images compiled into the program, and Qt's own, with Qt's
// built-in reader. Asked for a PNG by its file name alone, Qt first loads
// every image format plugin installed to ask each whether it reads PNG: the
// menu bar's extension button costs that at start-up, though no window shows
// any other format. Images on disk take Qt's usual way.
#include <QFile>
#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QImageReader>

#include <memory>

namespace velto {

namespace {

// Set while a handler finds Qt's own reader behind this plugin, which Qt
// would otherwise offer the same file to again.
thread_local bool delegating = false;

class ResourcePngHandler : public QImageIOHandler {
public:
    // Qt asks this while it holds the lock it takes to choose a handler, so
    // the answer comes from the signature, without a reader of its own.
    bool canRead() const override
    {
        if (!device() || device()->peek(8) != QByteArray("\x89PNG\r\n\x1a\n", 8))
            return false;
        setFormat("png");
        return true;
    }

    bool read(QImage* image) override { return reader().read(image); }

    bool supportsOption(ImageOption option) const override
    {
        return option == Size || option == ImageFormat || option == ScaledSize;
    }

    QVariant option(ImageOption option) const override
    {
        if (option == Size)
            return reader().size();
        if (option == ImageFormat)
            return reader().imageFormat();
        if (option == ScaledSize)
            return reader().scaledSize();
        return {};
    }

    void setOption(ImageOption option, const QVariant& value) override
    {
        if (option == ScaledSize)
            reader().setScaledSize(value.toSize());
    }

private:
    QImageReader& reader() const
    {
        if (!m_reader) {
            m_reader = std::make_unique<QImageReader>(device(), "png");
            m_reader->setAutoDetectImageFormat(false);
            delegating = true;
            m_reader->supportsOption(Size); // chooses the reader's handler now
            delegating = false;
        }
        return *m_reader;
    }

    mutable std::unique_ptr<QImageReader> m_reader;
};

} // namespace

class ResourcePngPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "ResourcePng.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override
    {
        const auto* file = qobject_cast<const QFile*>(device);
        const bool resource = file && file->fileName().startsWith(u':');
        return resource && format == "png" && !delegating ? CanRead : Capabilities();
    }

    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override
    {
        auto* handler = new ResourcePngHandler;
        handler->setDevice(device);
        handler->setFormat(format);
        return handler;
    }
};

} // namespace velto

#include "ResourcePng.moc"
