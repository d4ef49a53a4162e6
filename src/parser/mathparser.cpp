#include "parser/mathparser.h"

#include "parser/detail/builtinoperators.h"
#include "parser/detail/formulaprogram.h"

#include <cmath>

using mathparser::OpStatus;
using mathparser::Program;

EMathParser::EMathParser(const QString& message) : std::runtime_error(message.toStdString()), Message(message) {}

EMathParsing::EMathParsing(const QString& message, int errorCode, int errorPos, int errorLen)
    : std::runtime_error(message.toStdString()),
      Message(message),
      ErrorCode(errorCode),
      ErrorPos(errorPos),
      ErrorLen(errorLen) {}

EOperatorError::EOperatorError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {
// Compiled forms kept per parser; a plotter or panel uses a handful of formulas at a time.
constexpr qsizetype kCacheLimit = 256;
}  // namespace

TMathParser::TMathParser(bool withBuiltIns, QChar decimalSeparator, const AngleMode* angles)
    : decimalSeparator_(decimalSeparator), angles_(angles) {
    if (!withBuiltIns) return;
    for (int i = 0; i < mathparser::kBuiltinCount; ++i) {
        const mathparser::BuiltinInfo& info = mathparser::builtinInfo(static_cast<mathparser::BuiltinOp>(i));
        AddOperator(QString::fromUtf16(info.name), info.operands, info.func);
    }
    AddConstant(QStringLiteral("e"), mathparser::kERounded);
    AddConstant(QStringLiteral("pi"), mathparser::kPiRounded);
}

TMathParser::~TMathParser() = default;

void TMathParser::AddOperator(const QString& name, OperandSet operands, OperatorFunc func) {
    if (FindOperator(name) >= 0) throw EMathParser(QStringLiteral("Operator \"%1\" does already exist.").arg(name));
    operators_.push_back(TOperator{name, operands, func});
    ++tableVersion_;
}

int TMathParser::FindOperator(QStringView name) const {
    for (size_t i = 0; i < operators_.size(); ++i)
        if (operators_[i].Name == name) return static_cast<int>(i);
    return -1;
}

int TMathParser::FindConstant(QStringView name) const {
    for (size_t i = 0; i < constants_.size(); ++i)
        if (constants_[i].Name == name) return static_cast<int>(i);
    return -1;
}

void TMathParser::AddConstant(const QString& name, long double value) {
    if (name.isEmpty()) throw EMathParser(QStringLiteral("The constant name \"%1\" is invalid.").arg(name));
    constants_.push_back(TConstant{name, value});
    ++tableVersion_;
}

void TMathParser::SetConstant(const QString& name, long double value) {
    const int index = FindConstant(name);
    if (index >= 0) constants_[static_cast<size_t>(index)].Value = value;
    else AddConstant(name, value);
}

std::shared_ptr<Program> TMathParser::programFor(const QString& text) {
    if (lastProgram_ && lastProgram_->tableVersion == tableVersion_ && lastText_ == text) return lastProgram_;
    auto found = cache_.constFind(text);
    if (found != cache_.constEnd() && (*found)->tableVersion == tableVersion_) {
        lastText_ = text;
        lastProgram_ = *found;
        return lastProgram_;
    }
    auto program = std::make_shared<Program>(mathparser::compile(text, *this));
    program->tableVersion = tableVersion_;
    if (cache_.size() >= kCacheLimit) cache_.clear();
    cache_.insert(text, program);
    lastText_ = text;
    lastProgram_ = program;
    return program;
}

bool TMathParser::run(Program& program, long double& result) {
    // Resetting a message that is already the reset one would cost more than the formula.
    static const QString unknown = mathparser::unknownErrorMessage();
    ErrorCode = 0;
    if (ErrorMessage.constData() != unknown.constData()) ErrorMessage = unknown;
    const mathparser::AngleScope angles(angles_);
    const Program::Outcome outcome = program.run(*this, ErrorCode, ErrorMessage);
    if (!outcome.failed) {
        result = outcome.value;
        return true;
    }
    ErrorPos = outcome.failed->pos;
    ErrorLen = outcome.failed->len;
    if (outcome.status != OpStatus::OperatorError) {
        ErrorCode = mathparser::statusCode(outcome.status);
        ErrorMessage = mathparser::statusMessage(outcome.status);
    }
    return false;
}

void TMathParser::throwParsing() const { throw EMathParsing(ErrorMessage, ErrorCode, ErrorPos, ErrorLen); }

long double TMathParser::runOrThrow(Program& program) {
    long double result = 0;
    if (!run(program, result)) throwParsing();
    return result;
}

long double TMathParser::Evaluate(const QString& text) { return runOrThrow(*programFor(text)); }

TCompiledFormula TMathParser::Compile(const QString& text) { return TCompiledFormula(*this, text); }

TCompiledFormula::TCompiledFormula(TMathParser& parser, const QString& text)
    : parser_(&parser), text_(text), program_(parser.programFor(text)) {}

void TCompiledFormula::setX(long double x) {
    if (xVersion_ != parser_->tableVersion_) {
        static const QString name = QStringLiteral("x");
        parser_->SetConstant(name, x);
        xIndex_ = parser_->FindConstant(name);
        xVersion_ = parser_->tableVersion_;
    }
    parser_->constants_[static_cast<size_t>(xIndex_)].Value = x;
}

Program& TCompiledFormula::current() {
    if (program_->tableVersion != parser_->tableVersion_) program_ = parser_->programFor(text_);
    return *program_;
}

long double TCompiledFormula::Evaluate(long double x) {
    setX(x);
    return parser_->runOrThrow(current());
}

bool TCompiledFormula::TryEvaluate(long double x, long double& result) {
    setX(x);
    return parser_->run(current(), result);
}

void TCompiledFormula::EvaluateBatch(const long double* xs, long double* ys, bool* ok, std::size_t n) {
    if (n == 0) return;
    setX(xs[n - 1]);
    Program& program = current();
    if (program.hasCustom) {
        for (std::size_t i = 0; i < n; ++i) {
            setX(xs[i]);
            ok[i] = parser_->run(program, ys[i]);
            if (!ok[i]) ys[i] = 0;
        }
        return;
    }
    const mathparser::AngleScope angles(parser_->angles_);
    program.runBatch(*parser_, static_cast<std::uint32_t>(xIndex_), xs, ys, ok, n);
}

void TCompiledFormula::EvaluateBatchDouble(const double* xs, double* ys, bool* ok, std::size_t n) {
    if (n == 0) return;
    setX(xs[n - 1]);
    Program& program = current();
    if (program.hasCustom) {
        // A user-added operator only has an 80-bit form.
        for (std::size_t i = 0; i < n; ++i) {
            setX(xs[i]);
            long double y = 0;
            ok[i] = parser_->run(program, y) && std::isfinite(static_cast<double>(y));
            ys[i] = ok[i] ? static_cast<double>(y) : 0;
        }
        return;
    }
    const mathparser::AngleScope angles(parser_->angles_);
    program.runBatchDouble(*parser_, static_cast<std::uint32_t>(xIndex_), xs, ys, ok, n);
}
