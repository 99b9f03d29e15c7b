# Scenarios a user runs through the accessibility tree: each starts the program afresh, does what
# a user does and reads the result back from the boxes. Usage:
#   atspi_scenarios.py PROGRAM STUDY.mtg [SCENARIO ...]
# STUDY is a study with payment changes (the example study). Prints one line per scenario and
# exits 1 when any failed.
import sys
import time

import pyatspi

from atspi_user import Failure, Program, centre, click, find_all, key, replace_text, rows_of, \
    text_of, type_text, wait_until, xdotool

CONFIRM_DELETION = "Warning - Confirm Data Deletion"


def frequency_keeps_its_changes(program, study):
    """A click, the wheel or a key on the frequency list of a study with payment changes asks
    whether to erase them; after No the frequency and the changes are as they were."""
    program.open_study(study)
    frequency = program.beside("Payment Frequency:", pyatspi.ROLE_COMBO_BOX)
    wait_until("the study's frequency", lambda: text_of(frequency) == "Weekly")
    program.find("There are payment changes scheduled for this scenario")
    click(frequency)
    program.answer(CONFIRM_DELETION, "No")
    # A list left open takes the next click: the user's click on the box below the list.
    time.sleep(0.5)
    for item in find_all(program.app, "Monthly", within_lists=True):
        if item.getRole() in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_MENU_ITEM):
            click(item)
            break
    if find_all(program.app, CONFIRM_DELETION):
        program.answer(CONFIRM_DELETION, "No")
    _still_weekly_with_changes(program, frequency, "a click")
    # The wheel over the list and the keys on it ask as well, and change nothing after No.
    x, y = centre(frequency)
    xdotool("mousemove", "--sync", x, y, "click", 5)
    program.answer(CONFIRM_DELETION, "No")
    _still_weekly_with_changes(program, frequency, "the wheel")
    for name in ("Down", "End", "m"):
        key(name)
        program.answer(CONFIRM_DELETION, "Cancel")
        _still_weekly_with_changes(program, frequency, "the key " + name)


def _still_weekly_with_changes(program, frequency, device):
    time.sleep(0.3)
    shown = text_of(frequency)
    if shown != "Weekly":
        raise Failure("the frequency reads %r after No to %s" % (shown, device))
    if not program.present("There are payment changes scheduled for this scenario"):
        raise Failure("the payment changes are gone after No to %s" % device)


def tab_passes_the_time_frame(program, study):
    """With payment changes, Tab from the amount through the length of loan, the start date and
    the frequency to the comment asks nothing, and the comment typed there is kept."""
    program.open_study(study)
    program.find("There are payment changes scheduled for this scenario")
    click(program.find("Mortgage Amount", pyatspi.ROLE_TEXT))
    for _ in range(6):
        key("Tab")
    type_text("Typed after six Tabs")
    key("Tab")
    if program.present(CONFIRM_DELETION):
        raise Failure("passing the time frame by Tab asked to erase the payment changes")
    comment = program.find("Comment (optional)", pyatspi.ROLE_TEXT)
    if text_of(comment) != "Typed after six Tabs":
        raise Failure("the comment reads %r" % text_of(comment))
    if not program.present("There are payment changes scheduled for this scenario"):
        raise Failure("the payment changes are gone")


def summary_takes_the_typed_amount(program, study):
    """200000 typed over 100000 and View > Summary without Tab: the summary is of 200000."""
    for text in ("100000", "10", "25", "5", "Jan 1 96"):
        type_text(text)
        key("Tab")
    amount = program.find("Mortgage Amount", pyatspi.ROLE_TEXT)
    replace_text(amount, "200000")
    program.menu("View", "Summary")
    balance = program.find("Balance still Outstanding", pyatspi.ROLE_TEXT)
    principal = program.find("Total Principle Paid to Date", pyatspi.ROLE_TEXT)
    # No lump payments: the balance and the principal repaid make up the amount, to the few
    # cents that the single-precision running totals drift.
    owed = wait_until("the summary's figures", lambda: text_of(balance).strip())
    total = float(owed) + float(text_of(principal))
    if float(text_of(amount)) != 200000 or abs(total - 200000) > 1:
        raise Failure("the box reads %r, the summary is of %.2f" % (text_of(amount), total))


def search_table_keeps_its_rows(program, study):
    """A refinance search, then a click on a row of its table: the rows stay."""
    program.open_study(study)
    program.menu("Analysis", "Refinance (Rewrite mtge before maturity)",
                 "Solve for Date and/or Interest Rate")
    click(program.find("Interest Rate only (fixed date)", pyatspi.ROLE_RADIO_BUTTON))
    click(program.find("Future Value Method", pyatspi.ROLE_RADIO_BUTTON))
    replace_text(program.find("Begin study at Discharge Date", pyatspi.ROLE_TEXT), "Jun 15 1993")
    click(program.find("Calculate", pyatspi.ROLE_PUSH_BUTTON))
    table = program.find("Refinance opportunities", pyatspi.ROLE_TABLE)
    rows = wait_until("rows in the table", lambda: rows_of(table), 60)
    cell = table.queryTable().getAccessibleAt(0, 1)
    click(cell)
    after = rows_of(table)
    if after != rows:
        raise Failure("%d rows before the click on a row, %d after" % (rows, after))


SCENARIOS = {
    "frequency": frequency_keeps_its_changes,
    "tab": tab_passes_the_time_frame,
    "summary": summary_takes_the_typed_amount,
    "search": search_table_keeps_its_rows,
}


def main(argv):
    program_path, study = argv[1], argv[2]
    failed = 0
    for name in argv[3:] or SCENARIOS:
        program = Program(program_path)
        try:
            program.start()
            SCENARIOS[name](program, study)
            print("PASS %s" % name)
        except Exception as failure:  # a check, or a control that could not be reached
            failed += 1
            print("FAIL %s: %s" % (name, failure))
        finally:
            program.stop()
        sys.stdout.flush()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
