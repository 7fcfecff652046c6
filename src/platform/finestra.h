#pragma once
// The window model: every window is a class with exactly one instance, created and
// loaded (Form_Load) on first reference without being shown. The instance is
// registered before Form_Load runs, because loads refer to each other. Unloading
// runs Form_Unload, forgets the instance at once and deletes it later; the next
// reference loads a fresh one in its design state.
#include <QPointer>
#include <QMenuBar>
#include <QWidget>
#include <functional>

// Twips, the design unit of window layouts: 15 to a pixel.
constexpr int twipsPerPixel = 15;
constexpr int daTwips(double twips) { return int(twips / twipsPerPixel + (twips >= 0 ? 0.5 : -0.5)); }
constexpr double inTwips(int pixel) { return double(pixel) * twipsPerPixel; }

class Finestra : public QWidget {
    Q_OBJECT
public:
    explicit Finestra(QWidget* parent = nullptr);
    ~Finestra() override;

    // Shows the window modeless with no owner; a visible window comes to the front.
    void Show();
    // Unloads the window: Form_Unload, forget the instance, hide, delete later.
    void Unload();
    bool caricata() const { return caricata_; }

    // The client area: controls live here, at design positions in twips. A menu bar,
    // when the window has one, stands above it and is not part of it.
    QWidget* area() const { return area_; }
    void impostaMenuBar(QMenuBar* barra);

    // Place a control at design coordinates given in twips.
    static void posa(QWidget* controllo, int left, int top, int width, int height);
    // Window size in twips (the whole window: menu bar and client area).
    void impostaDimensioniTwips(int width, int height);

    // Called by the registry; not for windows' own use.
    void caricaConRegistro(std::function<void()> dimentica);

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}
    // The mouse over the client area's background.
    virtual void Form_MouseMove() {}
    // A key that produces a character.
    virtual void Form_KeyPress(QChar) {}

    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    QWidget* area_ = nullptr;
    std::function<void()> dimentica_;
    bool caricata_ = false;
    bool inScaricamento_ = false;
};

// Registry of the one instance of window class W.
template <class W>
class Unica {
public:
    // The instance, created and loaded on first reference (not shown).
    static W& istanza()
    {
        if (istanza_)
            return *istanza_;
        // A Form_Load may unload its own window: the new object stays valid until
        // the event loop deletes it, the registry forgets it at once.
        W* nuova = new W;
        istanza_ = nuova;
        nuova->caricaConRegistro([nuova] {
            if (istanza_ == nuova)
                istanza_ = nullptr;
        });
        return *nuova;
    }
    static bool caricata() { return istanza_ != nullptr; }
    // Unloads the window when it is loaded; a window not loaded is not loaded by this.
    static void scarica()
    {
        if (istanza_)
            istanza_->Unload();
    }
    static W* seCaricata() { return istanza_; }

private:
    static inline W* istanza_ = nullptr;
};

// Shorthands: finestra<W>() refers to the window (loading it); mostra<W>() shows it.
template <class W>
W& finestra()
{
    return Unica<W>::istanza();
}
template <class W>
W& mostra()
{
    W& w = Unica<W>::istanza();
    w.Show();
    return w;
}

namespace modelloFinestre {
// When on (the running program), the program quits as soon as none of its windows
// is visible, so hidden loaded windows never leave an invisible process behind.
void impostaUscitaAutomatica(bool attiva);
// Checks (after pending events) whether any top-level window is visible.
void verificaUscita();
// Deletes the windows whose unloading is pending (tests call this).
void eliminaScaricate();
} // namespace modelloFinestre
