#pragma once
// A single-line field of the converter panel that reports what the panel's commands need: key
// releases, Enter and Esc, the numeric pad's + and -, mouse press and release, and drops of the
// calculator's display fields. What a key means is the engine's business.
#include <QLineEdit>

class ConverterEdit : public QLineEdit {
    Q_OBJECT
public:
    // The drag type of the calculator's display fields; its data is the field number.
    static const QString FieldDragType;

    explicit ConverterEdit(QWidget* parent = nullptr);
    // A typed "," becomes "." (amounts and rates are written with a point).
    void setCommaToPoint(bool on) { commaToPoint_ = on; }
    // What the user types or pastes is cleaned to an amount: digits and one decimal point, pasted
    // German numbers read as such. Texts the panel sets (formatted results) stay as they are.
    void setAmountOnly();
    // The numeric pad's + and - are reported instead of typed.
    void setChainKeys(bool on) { chainKeys_ = on; }
    // Drops of the calculator's display fields are taken.
    void setTakesFieldDrops(bool on) { setAcceptDrops(on); }

signals:
    void pressed();
    void released();
    void enterPressed();
    void escapePressed();
    void keyReleased(bool enter);
    void chainKeyPressed(QChar op);
    void chainKeyReleased();
    void fieldDropped(int sourceField);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool isChainKey(const QKeyEvent* event) const;
    bool commaToPoint_ = false;
    bool chainKeys_ = false;
};
