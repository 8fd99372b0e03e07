#include "balancelabel.h"

BalanceLabel::BalanceLabel(QWidget* parent) : QLabel(parent) {}
