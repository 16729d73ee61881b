# The two commands: `make run` and `make test`. Both install what is missing first.
# `make test` runs every suite twice: on the normal build, then on a second build with
# AddressSanitizer, UndefinedBehaviorSanitizer and the leak check.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure build run test test-plain test-sanitizers clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/tempolino

test: test-plain test-sanitizers

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The Qt Test suites under the sanitizers, and the real program started and closed under
# X (the other process-level tests run on the plain build).
test-sanitizers: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEMPOLINO_SANITIZE=ON -DTEMPOLINO_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest -L "unit|sanitize" --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
