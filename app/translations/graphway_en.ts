<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>app::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Руководство пользователя</source>
        <translation>User&apos;s guide</translation>
    </message>
</context>
<context>
    <name>app::Hints</name>
    <message>
        <source>Координаты узлов: X и Y — целые числа от −200 до 200, начало координат в центре рисунка, Y растёт вверх.</source>
        <translation>Node coordinates: X and Y are whole numbers from −200 to 200, the origin is in the middle of the picture, Y grows upwards.</translation>
    </message>
    <message>
        <source>Вес связи из узла столбца в узел строки; то же число встаёт и в симметричную ячейку. Пустая ячейка или отрицательное число — связи нет; 0 — связь веса 0, которую «Связи» не рисуют.</source>
        <translation>The weight of the link from the column&apos;s node to the row&apos;s node; the same number goes into the mirrored cell too. An empty cell or a negative number means no link; 0 is a link of weight 0, which «Links» does not draw.</translation>
    </message>
    <message>
        <source>Нарисовать узлы по координатам из таблицы узлов.</source>
        <translation>Draw the nodes at the coordinates of the node table.</translation>
    </message>
    <message>
        <source>Нарисовать узлы и связи с их весами; связи веса 0 не рисуются.</source>
        <translation>Draw the nodes and the links with their weights; links of weight 0 are not drawn.</translation>
    </message>
    <message>
        <source>Найти кратчайший путь от узла 1 до последнего узла, нарисовать его красным и записать вместе с длиной.</source>
        <translation>Find the shortest way from node 1 to the last node, draw it in red and write it out with its length.</translation>
    </message>
    <message>
        <source>Таблица узлов</source>
        <translation>Node table</translation>
    </message>
    <message>
        <source>Матрица смежности</source>
        <translation>Adjacency matrix</translation>
    </message>
</context>
<context>
    <name>app::NodeCountBox</name>
    <message>
        <source>Количество узлов</source>
        <translation>Node count</translation>
    </message>
</context>
<context>
    <name>app::PictureView</name>
    <message>
        <source>Рисунок графа</source>
        <translation>Picture of the graph</translation>
    </message>
</context>
<context>
    <name>app::Question</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>app::TableCheckWindow</name>
    <message>
        <source>Выбран</source>
        <translation>Chosen</translation>
    </message>
    <message>
        <source>Проверка таблицы</source>
        <translation>Check a table</translation>
    </message>
    <message>
        <source>Таблица для проверки</source>
        <translation>Table to check</translation>
    </message>
    <message>
        <source>Впишите или вставьте таблицу, решённую вручную.</source>
        <translation>Type or paste a table worked by hand.</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Таблицы изменились; «В начало» в окне шагов прочитает их заново.</source>
        <translation>The tables have changed; «To the start» in the step window reads them again.</translation>
    </message>
    <message>
        <source>Шаг %1, узел %2: %3</source>
        <translation>Step %1, node %2: %3</translation>
    </message>
    <message>
        <source>Шаг %1, %2: %3</source>
        <translation>Step %1, %2: %3</translation>
    </message>
    <message>
        <source>Таблица не вставлена: её текст больше 1 МиБ.</source>
        <translation>The table was not pasted: its text is larger than 1 MiB.</translation>
    </message>
    <message>
        <source>Путь по таблице: %1, длина %2</source>
        <translation>The way by the table: %1, length %2</translation>
    </message>
    <message>
        <source> — не кратчайший: кратчайший путь имеет длину %1</source>
        <translation>, not the shortest: the shortest way has length %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Открывается только один файл, %1; остальные аргументы пропущены: %2.</source>
        <translation>Only one file is opened, %1; the other arguments are skipped: %2.</translation>
    </message>
</context>
</TS>
