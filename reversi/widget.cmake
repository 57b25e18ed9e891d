# The TReversi widget: the engine core drawn and played with Qt.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
