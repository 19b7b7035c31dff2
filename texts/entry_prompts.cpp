#include "texts/entry_prompts.h"

#include <string>

namespace {

/// Where the span values stand between the key pieces of a message.
enum class Shape {
    Plain,     ///< the key alone
    WithM,     ///< Head + M + Tail
    WithI,     ///< Head + I + Tail
    WithMAndI  ///< Head + M + Mid + I + Tail
};

struct Recipe {
    const char* name;  ///< key without Head/Tail; the title key adds "Title"
    Shape shape;
};

Recipe RecipeOf(EntryMessage message) {
    using enum EntryMessage;
    switch (message) {
        case FactorNotNumber:
            return {"MsgFactorNotNumber", Shape::Plain};
        case FactorPointOnly:
            return {"MsgFactorPointOnly", Shape::Plain};
        case FactorCommaOnly:
            return {"MsgFactorCommaOnly", Shape::Plain};
        case FactorMin:
            return {"MsgFactorMin", Shape::Plain};
        case OffsetNotNumber:
            return {"MsgOffsetNotNumber", Shape::Plain};
        case OffsetPointOnly:
            return {"MsgOffsetPointOnly", Shape::Plain};
        case OffsetCommaOnly:
            return {"MsgOffsetCommaOnly", Shape::Plain};
        case OffsetMax:
            return {"MsgOffsetMax", Shape::WithM};
        case OffsetMin:
            return {"MsgOffsetMin", Shape::WithM};
        case LineNotNumber:
            return {"MsgLineNotNumber", Shape::WithI};
        case LinePointOnly:
            return {"MsgLinePointOnly", Shape::WithI};
        case LineCommaOnly:
            return {"MsgLineCommaOnly", Shape::WithI};
        case LineMax:
            return {"MsgLineMax", Shape::WithMAndI};
        case LineMin:
            return {"MsgLineMin", Shape::WithI};
        case CellNotNumber:
            return {"MsgCellNotNumber", Shape::Plain};
        case CellPointOnly:
            return {"MsgCellPointOnly", Shape::Plain};
        case CellCommaOnly:
            return {"MsgCellCommaOnly", Shape::Plain};
        case CellMax:
            return {"MsgCellMax", Shape::WithM};
        case CellMin:
            return {"MsgCellMin", Shape::Plain};
    }
    return {"MsgCellNotNumber", Shape::Plain};
}

QString Piece(const Texts& texts, const std::string& key) {
    return texts(key.c_str());
}

}  // namespace

EntryPromptText EntryPrompt(const Texts& texts, EntryMessage message, EntryLimits limits) {
    const Recipe recipe = RecipeOf(message);
    const std::string name = recipe.name;
    const QString M = QString::number(limits.OutputRangeMax);
    const QString I = QString::number(limits.InputRangeMax);
    QString prompt;
    switch (recipe.shape) {
        case Shape::Plain:
            prompt = Piece(texts, name);
            break;
        case Shape::WithM:
            prompt = Piece(texts, name + "Head") + M + Piece(texts, name + "Tail");
            break;
        case Shape::WithI:
            prompt = Piece(texts, name + "Head") + I + Piece(texts, name + "Tail");
            break;
        case Shape::WithMAndI:
            prompt = Piece(texts, name + "Head") + M + Piece(texts, name + "Mid") + I +
                     Piece(texts, name + "Tail");
            break;
    }
    return {prompt, Piece(texts, name + "Title")};
}

QString SeparatorsNote(const Texts& texts, FieldSeparator found, bool commaIsDecimal) {
    const char* name = "MsgSeparatorSpaces";
    switch (found) {
        case FieldSeparator::Tab:
            name = "MsgSeparatorTab";
            break;
        case FieldSeparator::Semicolon:
            name = "MsgSeparatorSemicolon";
            break;
        case FieldSeparator::Comma:
            name = "MsgSeparatorComma";
            break;
        case FieldSeparator::Spaces:
            break;
    }
    return texts("MsgSeparatorFound") + texts(name) + texts("MsgDecimalExpected") +
           texts(commaIsDecimal ? "MsgDecimalCommaOrPoint" : "MsgDecimalPoint");
}
