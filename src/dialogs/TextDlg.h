#pragma once

#include "dialogs/ElementDlg.h"

#include <array>

struct TextRecord;
class ColourPick;
class IntegerBox;
class PlacementPair;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// "Text": the text (one of eight placeholders or custom), its font and look, and its range on the note.
class QItemTextDlg : public QElementDlg {
    Q_OBJECT
public:
    QItemTextDlg(EditContext& context, TextRecord& text, QWidget* parent);

    // The placeholder radios in screen order: Source, Title, Creation, Alarm, Modified, User string,
    // Stack Name, Last Send.
    QRadioButton* PlaceholderRadio(int index) const { return m_placeholders[index]; }
    QRadioButton* CustomRadio() const { return m_custom; }
    QLineEdit* CustomBox() const { return m_customText; }
    QComboBox* FontList() const { return m_font; }
    IntegerBox* PointsBox() const { return m_points; }

private:
    void BuildText(QBoxLayout* into);
    void BuildFont(QBoxLayout* into);
    void BuildRange(QBoxLayout* into);
    void ShowText(const QString& text);
    QString ReadText() const;
    void ApplyKind() override;
    SkinElement::Record CurrentRecord() const override;
    void ShowPlacements(const SkinElement::Record& record) override;

    TextRecord& m_record;
    std::array<QRadioButton*, 8> m_placeholders;
    QRadioButton* m_custom;
    QLineEdit* m_customText;
    QComboBox* m_font;
    IntegerBox* m_points;
    QComboBox* m_antialias;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    std::array<QRadioButton*, 3> m_alignment;
    std::array<QRadioButton*, 3> m_case;
    ColourPick* m_colour;
    QCheckBox* m_transparent;
    PlacementPair* m_left;
    PlacementPair* m_top;
    PlacementPair* m_right;
    IntegerBox* m_height;
};
