// SPDX-License-Identifier: MIT
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>
#include <QTextItem>
#include <QWidget>

// The texts a widget draws, as its painter hands them to the paint engine: what a user sees,
// not what the widget holds.
class DrawnTexts final : public QPaintDevice {
public:
    static QStringList of(QWidget &widget)
    {
        DrawnTexts device(widget.size());
        widget.render(&device, {}, {}, QWidget::DrawChildren);
        return device.m_engine.texts;
    }

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    explicit DrawnTexts(const QSize &size)
        : m_size(size)
    {
    }

    struct Engine final : QPaintEngine {
        Engine()
            : QPaintEngine(AllFeatures)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override
        {
            texts.append(item.text());
        }
        Type type() const override { return User; }
        QStringList texts;
    };

    QSize m_size;
    mutable Engine m_engine;
};
